// The side pane of the main window: a tab strip with 目录 (the directory
// tree), 索引 (the name index) and 查找 (the search), each page laid out by
// its anchor codes.  It holds the controls only; the shell's logic drives
// them through the framework's adapters.  Selecting 索引 or 查找 gives the
// focus to that tab's input box.  User-interface thread only.
#pragma once

#include <wx/panel.h>

class wxButton;
class wxImageList;
class wxNotebook;
class wxTextCtrl;
class wxTreeCtrl;

namespace mivrel {

class AnchorLayout;
class ScopePickerControl;
class VirtualTreeControl;

class SidePane final : public wxPanel {
 public:
  // `images` is the shared image list (owned by the caller, outliving the pane).
  SidePane(wxWindow* parent, wxImageList* images);
  ~SidePane() override;

  wxNotebook* tabs = nullptr;
  VirtualTreeControl* tree = nullptr;
  wxTextCtrl* index_input = nullptr;
  wxTreeCtrl* index_list = nullptr;
  ScopePickerControl* index_scope = nullptr;
  wxTextCtrl* search_input = nullptr;
  wxButton* search_button = nullptr;
  wxTreeCtrl* search_list = nullptr;
  ScopePickerControl* search_scope = nullptr;

 private:
  wxPanel* NewPage(const wchar_t* name);
  void BuildTreePage(wxImageList* images);
  void BuildIndexPage(wxImageList* images);
  void BuildSearchPage(wxImageList* images);
  void OnPageChanged();

  wxImageList* tab_images_ = nullptr;
  AnchorLayout* layouts_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace mivrel
