#include "desktop/category_editor_window.h"

#include <utility>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ports/ui.h"
#include "framework/icons.h"
#include "framework/wx_text.h"

namespace mivrel {

namespace {

const wxSize kDesignClient(452, 132);
constexpr int kRow = 30;

}  // namespace

CategoryEditorWindow::CategoryEditorWindow(wxWindow* owner, CategoryEditor& editor,
                                           CategoryForm& form, const EditorWindowContext& context)
    : wxDialog(owner, wxID_ANY, L"编辑分类", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, L"FORM8"),
      m_editor(editor), m_form(form), m_context(context) {
  SetClientSize(kDesignClient);
  wxIcon icon;
  icon.CopyFromBitmap(NamedIcon("T05"));
  SetIcon(icon);

  m_name = new wxTextCtrl(this, wxID_ANY, wxString(), wxPoint(52, 8), wxSize(230, kRow), wxHSCROLL);
  m_priority = new wxChoice(this, wxID_ANY, wxPoint(336, 8), wxSize(108, kRow));
  m_parent = new wxChoice(this, wxID_ANY, wxPoint(52, 40), wxSize(230, kRow));
  m_icon = new wxChoice(this, wxID_ANY, wxPoint(336, 40), wxSize(72, kRow));
  m_save = new wxButton(this, wxID_ANY, L"保存", wxPoint(374, 96), wxSize(70, 28));
  m_unify_icon = new wxCheckBox(this, wxID_ANY, L"统一图标", wxPoint(276, 101));
  m_unify_icon->SetToolTip(L"将同分类中所有的分类按本分类统一。");
  new wxStaticText(this, wxID_ANY, L"图标，在目录中显示的图示。", wxPoint(8, 80));
  new wxStaticText(this, wxID_ANY, L"优先度，在目录中显示的先后次序。", wxPoint(8, 104));
  m_preview = new IconPreview(this, wxPoint(414, 38), "G");
  new wxStaticText(this, wxID_ANY, L"名称：", wxPoint(8, 14));
  new wxStaticText(this, wxID_ANY, L"类别：", wxPoint(8, 46));
  new wxStaticText(this, wxID_ANY, L"优先：", wxPoint(292, 14));

  const std::pair<wxWindow*, const wchar_t*> names[] = {
      {m_name, L"name"}, {m_priority, L"priority"}, {m_parent, L"parent"},
      {m_icon, L"icon"}, {m_save, L"save"},         {m_unify_icon, L"unify_icon"}};
  for (const auto& [control, name] : names) control->SetName(name);

  FillChoice(m_parent, m_form.parent);
  FillChoice(m_priority, m_form.priority);
  FillChoice(m_icon, m_form.icon);
  m_name->ChangeValue(GbToWx(m_form.name));
  m_preview->ShowIcon(m_form.icon.selected);

  m_icon->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { m_preview->ShowIcon(m_icon->GetSelection()); });
  m_save->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSave(); });
  CentreOnParent();
}

void CategoryEditorWindow::OnSave() {
  ReadChoice(m_parent, m_form.parent);
  ReadChoice(m_priority, m_form.priority);
  ReadChoice(m_icon, m_form.icon);
  m_form.name = WxToGb(m_name->GetValue());
  const std::string refusal = m_editor.Validate(m_form);
  if (!refusal.empty()) {
    m_context.ui.ShowMessage(refusal, MessageIcon::Stop);
    return;
  }
  const CategoryValues values = CategoryEditor::Collect(m_form);
  m_context.ui.SetBusyCursor(true);
  m_save->Disable();
  if (m_editor.Mode() == EditorMode::Edit && m_context.automatic_backup_check)
    m_context.automatic_backup_check();
  const SaveReport report =
      m_editor.Save(values, m_unify_icon->GetValue() ? UnifyIcon::Yes : UnifyIcon::No);
  m_context.ui.SetBusyCursor(false);
  if (!ShowSaveReport(report, m_context.ui)) {
    m_save->Enable();
    return;
  }
  if (m_context.success_notice) m_context.success_notice();
  m_saved_page = m_editor.PageAfterSave(values);
  EndModal(wxID_OK);
}

}  // namespace mivrel
