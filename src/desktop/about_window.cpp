#include "desktop/about_window.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "framework/icons.h"
#include "framework/window_kind.h"

namespace mivrel {

AboutWindow::AboutWindow(wxWindow* owner, std::function<void()> on_closed)
    : wxDialog(owner, wxID_ANY, L"关于 OsterkMivrel", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE),
      on_closed_(std::move(on_closed)) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* heading = new wxBoxSizer(wxHORIZONTAL);
  heading->Add(new wxStaticBitmap(this, wxID_ANY, NamedIcon("CONNECTED")), 0,
               wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
  auto* title = new wxStaticText(this, wxID_ANY, L"OsterkMivrel 1.1.6.2038");
  title->SetFont(title->GetFont().Bold().Larger());
  heading->Add(title, 0, wxALIGN_CENTER_VERTICAL);
  column->Add(heading, 0, wxALL, 12);
  column->Add(new wxStaticText(this, wxID_ANY,
                               L"程序员的桌面资料库：API 函数、类型、常量、语句和代码笔记，\n"
                               L"分类保存在本地数据库中，以着色的网页显示，可查找、编辑、导入和导出。"),
              0, wxLEFT | wxRIGHT, 12);
  column->Add(new wxButton(this, wxID_OK, L"确定"), 0, wxALIGN_RIGHT | wxALL, 12);
  SetSizerAndFit(column);
  // A fixed text with one button: closing is the only thing to offer on its
  // title bar.
  MarkAsCloseOnlyWindow(*this);
  CentreOnParent();
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); }, wxID_OK);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
}

AboutWindow::~AboutWindow() {
  if (on_closed_) on_closed_();
}

}  // namespace mivrel
