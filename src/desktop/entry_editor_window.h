// The entry editor's window, "编辑资料": the form of an EntryForm over text
// boxes and drop-down lists, a multi-line text box for the text view and a
// web view in design mode for the web view over the same area, the icon
// preview, the external HTML editor kit and the save button.  The rules are
// EntryEditor's; this window shows and reads back.
//
// Shown modal to its owner with ShowModal; returns wxID_OK after a save
// (SavedPage then tells what to show).  The size is kept in 编辑 W/H on
// every close.  User-interface thread only.
#pragma once

#include <string>

#include <wx/dialog.h>

#include "editors/entry_editor.h"
#include "desktop/editor_common_window.h"

class wxButton;
class wxCheckBox;
class wxStaticText;
class wxTextCtrl;
class wxWebView;
class wxWebViewEvent;

namespace mivrel {

class AnchorLayout;

class EntryEditorWindow final : public wxDialog {
 public:
  // Borrows all; `form` holds what Load gave.
  EntryEditorWindow(wxWindow* owner, EntryEditor& editor, EntryForm& form,
                    const EditorWindowContext& context);
  ~EntryEditorWindow() override;

  EditorPage SavedPage() const { return m_saved_page; }

 private:
  void BuildControls();
  void ShowForm();
  void ResizeToSavedGeometry();
  void LoadWebDocument(const std::string& gb_document);
  void OnWebLoaded(wxWebViewEvent& event);
  void SetDesignMode(bool on);
  std::string WebInnerHtml();
  void UpdateView();
  void OnTextModeClicked();
  void SwitchToTextView();
  void SwitchToWebView();
  void OnPageNameChanged();
  void OnContentChanged();
  void OnContentMenu();
  void OnExternalEditor();
  void OnSave();
  void OnClose(wxCloseEvent& event);
  void SaveGeometry();

  EntryEditor& m_editor;
  EntryForm& m_form;
  const EditorWindowContext& m_context;
  AnchorLayout* m_layout = nullptr;
  EditorPage m_saved_page;

  wxWebView* m_web = nullptr;
  wxTextCtrl* m_name = nullptr;
  wxTextCtrl* m_brief = nullptr;
  wxTextCtrl* m_page_name = nullptr;
  wxChoice* m_main_category = nullptr;
  wxChoice* m_category2 = nullptr;
  wxChoice* m_category3 = nullptr;
  wxTextCtrl* m_content = nullptr;
  wxChoice* m_priority = nullptr;
  wxChoice* m_keyword = nullptr;
  wxChoice* m_icon = nullptr;
  wxCheckBox* m_unify_icon = nullptr;
  wxCheckBox* m_unify_keyword = nullptr;
  wxButton* m_save = nullptr;
  wxCheckBox* m_text_mode = nullptr;
  wxButton* m_external = nullptr;
  IconPreview* m_preview = nullptr;
  wxStaticText* m_length = nullptr;

  std::string m_base_url;          // UTF-8, the web view's document base
  bool m_design_on_load = false;   // design mode wanted once the document is there
};

}  // namespace mivrel
