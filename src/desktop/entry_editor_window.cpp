#include "desktop/entry_editor_window.h"

#include <utility>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/webview.h>

#include "ports/ui.h"
#include "editors/editor_text.h"
#include "editors/external_editor.h"
#include "framework/anchor_layout.h"
#include "framework/desktop_browser.h"
#include "framework/icons.h"
#include "base/file_urls.h"
#include "framework/wx_text.h"
#include "settings/settings.h"

namespace mivrel {

namespace {

const wxSize kDesignClient(552, 574);
constexpr int kLeft = 8;
constexpr int kFieldLeft = 60;
constexpr int kFieldWidth = 300;
constexpr int kRight = 372;   // the right-hand column's labels
constexpr int kRightField = 436;
constexpr int kRow = 30;      // height of a one-line control
// Tops of the rows.
constexpr int kNameTop = 8;
constexpr int kBriefTop = 42;
constexpr int kPageNameTop = 96;
constexpr int kHintTop = 130;
constexpr int kMainTop = 152;
constexpr int kSecondTop = 186;
constexpr int kThirdTop = 220;
constexpr int kContentTop = 256;
constexpr int kContentHeight = 236;
constexpr int kBottomRow1 = 500;
constexpr int kBottomRow2 = 536;
constexpr int kEditCopy = 8800;
constexpr int kEditCut = 8801;
constexpr int kEditPaste = 8802;

wxStaticText* Label(wxWindow* parent, const wchar_t* text, int x, int y) {
  return new wxStaticText(parent, wxID_ANY, text, wxPoint(x, y + 6));
}

}  // namespace

EntryEditorWindow::EntryEditorWindow(wxWindow* owner, EntryEditor& editor, EntryForm& form,
                                     const EditorWindowContext& context)
    : wxDialog(owner, wxID_ANY, L"编辑资料", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxMAXIMIZE_BOX | wxRESIZE_BORDER | wxCLOSE_BOX,
               L"FORM7"),
      m_editor(editor), m_form(form), m_context(context) {
  SetClientSize(kDesignClient);
  wxIcon icon;
  icon.CopyFromBitmap(NamedIcon("T05"));
  SetIcon(icon);
  m_base_url = FolderFileUrl(context.page_folder);
  BuildControls();
  ShowForm();
  ResizeToSavedGeometry();
  Bind(wxEVT_CLOSE_WINDOW, &EntryEditorWindow::OnClose, this);
}

EntryEditorWindow::~EntryEditorWindow() { delete m_layout; }

void EntryEditorWindow::BuildControls() {
  const int full_width = kDesignClient.GetWidth() - 2 * kLeft;
  const wxRect content_rect(kLeft, kContentTop, full_width, kContentHeight);
  m_web = wxWebView::New(this, wxID_ANY, L"about:blank", content_rect.GetPosition(),
                         content_rect.GetSize());
  auto* hint = new wxStaticText(
      this, wxID_ANY, L"网页格式资料链接时的名字，如果为空，表示为文本格式，否则是网页格式",
      wxPoint(kLeft, kHintTop), wxSize(full_width, 20));
  Label(this, L"网页名", kLeft, kPageNameTop);
  Label(this, L"主分类", kLeft, kMainTop);
  m_name = new wxTextCtrl(this, wxID_ANY, wxString(), wxPoint(kFieldLeft, kNameTop),
                          wxSize(kFieldWidth, kRow), wxTE_PROCESS_ENTER | wxHSCROLL);
  m_brief = new wxTextCtrl(this, wxID_ANY, wxString(), wxPoint(kFieldLeft, kBriefTop),
                           wxSize(kFieldWidth, 48), wxTE_MULTILINE | wxHSCROLL);
  m_page_name = new wxTextCtrl(this, wxID_ANY, wxString(), wxPoint(kFieldLeft, kPageNameTop),
                               wxSize(150, kRow));
  const wxSize list_size(kDesignClient.GetWidth() - kFieldLeft - kLeft, kRow);
  m_main_category = new wxChoice(this, wxID_ANY, wxPoint(kFieldLeft, kMainTop), list_size);
  m_category2 = new wxChoice(this, wxID_ANY, wxPoint(kFieldLeft, kSecondTop), list_size);
  m_category3 = new wxChoice(this, wxID_ANY, wxPoint(kFieldLeft, kThirdTop), list_size);
  m_content = new wxTextCtrl(this, wxID_ANY, wxString(), content_rect.GetPosition(),
                             content_rect.GetSize(),
                             wxTE_MULTILINE | wxTE_RICH2 | wxHSCROLL | wxVSCROLL | wxTE_PROCESS_ENTER |
                                 wxTE_PROCESS_TAB | wxBORDER_SUNKEN);
#ifndef __WXGTK__
  // GTK's multi-line text view has no length limit to set.
  m_content->SetMaxLength(kContentLimit);
#endif
  m_priority = new wxChoice(this, wxID_ANY, wxPoint(kRightField, kNameTop), wxSize(108, kRow));
  m_keyword = new wxChoice(this, wxID_ANY, wxPoint(kRightField, kBriefTop), wxSize(108, kRow));
  m_icon = new wxChoice(this, wxID_ANY, wxPoint(kRightField, kBriefTop + 36), wxSize(64, kRow));
  m_unify_icon = new wxCheckBox(this, wxID_ANY, L"统一图标", wxPoint(292, kBottomRow2 + 6));
  m_unify_icon->SetToolTip(L"将同一【主分类】中所有的资料按本资料统一。");
  m_unify_keyword = new wxCheckBox(this, wxID_ANY, L"统一关键词", wxPoint(382, kBottomRow2 + 6));
  m_unify_keyword->SetToolTip(L"将同一【主分类】中所有的资料按本资料统一。");
  m_save = new wxButton(this, wxID_ANY, L"保存", wxPoint(476, kBottomRow2), wxSize(68, kRow));
  Label(this, L"次分类", kLeft, kSecondTop);
  Label(this, L"次分类", kLeft, kThirdTop);
  m_text_mode = new wxCheckBox(this, wxID_ANY, L"htm/代码文本", wxPoint(kLeft, kBottomRow1 + 6));
  m_external = new wxButton(this, wxID_ANY, L"外部htm编辑器", wxPoint(130, kBottomRow1),
                            wxSize(120, kRow));
  auto* keyword_label = Label(this, L"关键词：", kRight, kBriefTop);
  Label(this, L"简介：", kLeft, kBriefTop);
  Label(this, L"名称：", kLeft, kNameTop);
  auto* priority_label = Label(this, L"优先级：", kRight, kNameTop);
  m_preview = new IconPreview(this, wxPoint(508, kBriefTop + 34), "E");
  m_length = new wxStaticText(this, wxID_ANY, wxString(), wxPoint(262, kBottomRow1 + 6),
                              wxSize(282, 20));

  m_layout = new AnchorLayout(this);
  m_layout->Add(m_web, "FL,FT,FR,FB");
  m_layout->Add(hint, "FL,FT,FR,FT");
  m_layout->Add(m_name, "FL,FT,FR,FT");
  m_layout->Add(m_brief, "FL,FT,FR,FT");
  m_layout->Add(m_page_name, "FL,FT,FL,FT");
  for (wxChoice* list : {m_main_category, m_category2, m_category3}) m_layout->Add(list, "FL,FT,FR,FT");
  m_layout->Add(m_content, "FL,FT,FR,FB");
  for (wxChoice* list : {m_priority, m_keyword, m_icon}) m_layout->Add(list, "FR,FT,FR,FT");
  for (wxWindow* control : {static_cast<wxWindow*>(m_unify_icon), static_cast<wxWindow*>(m_unify_keyword),
                            static_cast<wxWindow*>(m_save)})
    m_layout->Add(control, "FR,FB,FR,FB");
  m_layout->Add(m_text_mode, "FL,FB,FL,FB");
  m_layout->Add(m_external, "FL,FB,FL,FB");
  m_layout->Add(keyword_label, "FR,FT,FR,FT");
  m_layout->Add(priority_label, "FR,FT,FR,FT");
  m_layout->Add(m_preview, "FR,FT,FR,FT");
  m_layout->Add(m_length, "FL,FB,FL,FB");

  // Names by which tests and accessibility tools find the controls.
  const std::pair<wxWindow*, const wchar_t*> names[] = {
      {m_web, L"web"},           {m_name, L"name"},         {m_brief, L"brief"},
      {m_page_name, L"page_name"}, {m_main_category, L"main_category"},
      {m_category2, L"category2"}, {m_category3, L"category3"}, {m_content, L"content"},
      {m_priority, L"priority"}, {m_keyword, L"keyword"},   {m_icon, L"icon"},
      {m_unify_icon, L"unify_icon"}, {m_unify_keyword, L"unify_keyword"}, {m_save, L"save"},
      {m_text_mode, L"text_mode"}, {m_external, L"external"}};
  for (const auto& [control, name] : names) control->SetName(name);

  m_web->Bind(wxEVT_WEBVIEW_LOADED, &EntryEditorWindow::OnWebLoaded, this);
  m_text_mode->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnTextModeClicked(); });
  m_page_name->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnPageNameChanged(); });
  m_content->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnContentChanged(); });
  m_content->Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent&) { OnContentMenu(); });
  m_icon->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { m_preview->ShowIcon(m_icon->GetSelection()); });
  m_external->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnExternalEditor(); });
  m_save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); });
}

void EntryEditorWindow::ShowForm() {
  FillChoice(m_keyword, m_form.keyword);
  FillChoice(m_main_category, m_form.main_category);
  FillChoice(m_category2, m_form.category2);
  FillChoice(m_category3, m_form.category3);
  FillChoice(m_priority, m_form.priority);
  FillChoice(m_icon, m_form.icon);
  m_name->ChangeValue(GbToWx(m_form.name));
  m_brief->ChangeValue(GbToWx(m_form.brief));
  m_content->ChangeValue(GbToWx(m_form.content_text));
  OnContentChanged();
  if (!m_form.web_document.empty()) LoadWebDocument(m_form.web_document);
  m_text_mode->SetValue(m_form.text_view);
  m_page_name->ChangeValue(GbToWx(m_form.page_name));
  const bool web_offered = !m_form.page_name.empty();
  m_text_mode->Show(web_offered);
  m_external->Show(web_offered);
  UpdateView();
  m_preview->ShowIcon(m_form.icon.selected);
}

void EntryEditorWindow::ResizeToSavedGeometry() {
  const wxRect created = GetRect();
  const int width = m_context.settings.editor_width;
  const int height = m_context.settings.editor_height;
  // The centre stays where the created window's centre was.
  SetSize(created.x + (created.width - width) / 2, created.y + (created.height - height) / 2,
          width, height);
  CentreOnParent();
}

void EntryEditorWindow::LoadWebDocument(const std::string& gb_document) {
  // Design mode is switched on once the engine has loaded this document, not
  // the blank page it may still be loading.
  m_design_on_load = true;
  m_web->SetPage(GbToWx(gb_document), wxString::FromUTF8(m_base_url));
}

void EntryEditorWindow::OnWebLoaded(wxWebViewEvent& event) {
  if (!m_design_on_load || event.GetURL().ToStdString(wxConvUTF8) != m_base_url) return;
  m_design_on_load = false;
  SetDesignMode(true);
}

void EntryEditorWindow::SetDesignMode(bool on) {
  m_web->RunScript(on ? L"document.designMode='on';" : L"document.designMode='off';");
}

std::string EntryEditorWindow::WebInnerHtml() {
  wxString html;
  if (!m_web->RunScript(L"document.body ? document.body.innerHTML : ''", &html)) return std::string();
  return WxToGb(html);
}

void EntryEditorWindow::UpdateView() {
  const bool text_view = m_text_mode->GetValue();
  m_web->Show(!text_view);
  m_content->Show(text_view);
  Layout();
}

void EntryEditorWindow::OnTextModeClicked() {
  UpdateView();
  if (m_text_mode->GetValue())
    SwitchToTextView();
  else
    SwitchToWebView();
}

void EntryEditorWindow::SwitchToTextView() {
  m_content->ChangeValue(GbToWx(BoxTextFromStored(WebInnerHtml())));
  OnContentChanged();
  m_content->SetFocus();
}

void EntryEditorWindow::SwitchToWebView() {
  SetDesignMode(false);
  const std::string html = TextToWebHtml(StoredTextFromBox(WxToGb(m_content->GetValue())));
  LoadWebDocument(m_editor.WebDocumentFor(html));
}

void EntryEditorWindow::OnPageNameChanged() {
  const bool web_offered = !m_page_name->GetValue().empty();
  if (!web_offered && !m_text_mode->GetValue()) {
    // Back to the text view with what the web view holds, so no edit is lost.
    m_text_mode->SetValue(true);
    UpdateView();
    SwitchToTextView();
  }
  m_text_mode->Show(web_offered);
  m_external->Show(web_offered);
}

void EntryEditorWindow::OnContentChanged() {
  m_length->SetLabel(GbToWx(LengthLabel(WxToGb(m_content->GetValue()))));
}

void EntryEditorWindow::OnContentMenu() {
  wxMenu menu;
  menu.Append(kEditCopy, L"复制");
  menu.Append(kEditCut, L"剪切");
  menu.AppendSeparator();
  menu.Append(kEditPaste, L"粘贴");
  menu.Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
    if (event.GetId() == kEditCopy) m_content->Copy();
    if (event.GetId() == kEditCut) m_content->Cut();
    if (event.GetId() == kEditPaste) m_content->Paste();
  });
  m_content->PopupMenu(&menu);
}

void EntryEditorWindow::OnExternalEditor() {
  std::string page_path;
  switch (WriteEditorKitPage(m_context.application_folder, WxToGb(m_content->GetValue()), page_path)) {
    case EditorKitResult::TemplateMissing:
      m_context.ui.ShowMessage(kEditorKitMissing, MessageIcon::Stop);
      return;
    case EditorKitResult::WriteFailed:
      m_context.ui.ShowMessage("无法写入" + page_path, MessageIcon::Stop);
      return;
    case EditorKitResult::Written:
      static_cast<void>(OpenInDesktopBrowser(wxString::FromUTF8(FolderFileUrl(page_path).c_str()),
                                             m_context.ui, MessageOwner::MainWindow));
      return;
  }
}

void EntryEditorWindow::OnSave() {
  ReadChoice(m_main_category, m_form.main_category);
  ReadChoice(m_category2, m_form.category2);
  ReadChoice(m_category3, m_form.category3);
  ReadChoice(m_priority, m_form.priority);
  ReadChoice(m_icon, m_form.icon);
  ReadChoice(m_keyword, m_form.keyword);
  m_form.name = WxToGb(m_name->GetValue());
  m_form.brief = WxToGb(m_brief->GetValue());
  m_form.page_name = WxToGb(m_page_name->GetValue());
  m_form.content_text = WxToGb(m_content->GetValue());
  m_form.text_view = m_text_mode->GetValue();
  const EntryValues values = EntryEditor::Collect(m_form, m_form.text_view ? std::string() : WebInnerHtml());
  const std::string refusal = EntryEditor::Validate(values);
  if (!refusal.empty()) {
    m_context.ui.ShowMessage(refusal, MessageIcon::Stop);
    return;
  }

  m_save->Disable();
  m_context.ui.SetBusyCursor(true);
  if (m_editor.Mode() == EditorMode::Edit && m_context.automatic_backup_check)
    m_context.automatic_backup_check();
  const SaveReport report =
      m_editor.Save(values, m_unify_icon->GetValue() ? UnifyIcon::Yes : UnifyIcon::No,
                    m_unify_keyword->GetValue() ? UnifyKeyword::Yes : UnifyKeyword::No);
  m_context.ui.SetBusyCursor(false);
  if (!ShowSaveReport(report, m_context.ui)) {
    // Everything typed stays, in both views.
    m_save->Enable();
    return;
  }
  if (m_context.success_notice) m_context.success_notice();
  m_saved_page = m_editor.PageAfterSave(values);
  SaveGeometry();
  EndModal(wxID_OK);
}

void EntryEditorWindow::OnClose(wxCloseEvent&) {
  SaveGeometry();
  EndModal(wxID_CANCEL);
}

void EntryEditorWindow::SaveGeometry() {
  const wxSize size = GetSize();
  m_context.settings.editor_width = size.GetWidth();
  m_context.settings.editor_height = size.GetHeight();
  WriteEditorSize(m_context.ini, size.GetWidth(), size.GetHeight());
}

}  // namespace mivrel
