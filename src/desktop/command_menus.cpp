#include "desktop/command_menus.h"

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "framework/icons.h"
#include "shell/commands.h"

namespace mivrel {
namespace {

constexpr int kToolbarId = 5100;
// Marks a separator in the tables below; never a command of the table.
constexpr CommandId kSeparator = static_cast<CommandId>(0);

// The toolbar in its order.
struct ToolSpec {
  CommandId id;
  const wchar_t* caption;
  const char* icon;
  const wchar_t* tooltip;
};
const ToolSpec kTools[] = {
    {CommandId::AlwaysOnTop, L"前", "T02", L"将窗口到最前面"},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::Import, L"导入", "T12", nullptr},
    {CommandId::Export, L"导出", "T13", nullptr},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::NewCategory, L"分类", "T01", nullptr},
    {CommandId::NewEntry, L"资料", "T03", nullptr},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::Delete, L"删", "T04", L"删除"},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::Edit, L"编辑", "T05", nullptr},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::Home, L"主页", "E00", nullptr},
    {CommandId::Back, L"返回", "T07", nullptr},
    {CommandId::Forward, L"前进", "T06", nullptr},
    {CommandId::FindInPage, L"查找", "T10", nullptr},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::Options, L"选项", "T08", nullptr},
    {kSeparator, nullptr, nullptr, nullptr},
    {CommandId::About, L"关于", "T09", nullptr},
};

struct MenuSpec {
  CommandId id;
  const wchar_t* text;
  const char* icon;
};
const MenuSpec kTrayMenu[] = {
    {CommandId::TrayShow, L"显示资料库", "e10"}, {CommandId::TrayHide, L"隐藏资料库", "g01"},
    {kSeparator, nullptr, nullptr},             {CommandId::TrayAbout, L"关于资料库", "t09"},
    {kSeparator, nullptr, nullptr},             {CommandId::TrayExit, L"退出资料库", "g07"},
};
const MenuSpec kTreeMenu[] = {
    {CommandId::TreeNewCategory, L"新建分类\tCtrl+Shift+N", "t01"},
    {CommandId::TreeNewEntry, L"新建资料\tCtrl+N", "t03"},
    {kSeparator, nullptr, nullptr},
    {CommandId::TreeEdit, L"编辑\tF4", "t05"},
    {CommandId::TreeRename, L"重命名", ""},
    {CommandId::TreeDelete, L"删除\tDelete", "t04"},
};

template <size_t N>
wxMenu* NewMenu(const MenuSpec (&items)[N]) {
  auto* menu = new wxMenu;
  for (const MenuSpec& menu_item : items) {
    if (menu_item.id == kSeparator) {
      menu->AppendSeparator();
      continue;
    }
    auto* item = new wxMenuItem(menu, static_cast<int>(menu_item.id), menu_item.text);
    const wxBitmap icon = NamedIcon(menu_item.icon);
    if (icon.IsOk()) item->SetBitmap(icon);
    menu->Append(item);
    item->Enable(CommandAvailable(menu_item.id));
  }
  return menu;
}

}  // namespace

void BuildCommandToolbar(wxFrame& frame) {
  wxToolBar* bar = frame.CreateToolBar(wxTB_HORIZONTAL | wxTB_TEXT | wxTB_FLAT, kToolbarId);
  bar->SetToolBitmapSize(frame.FromDIP(wxSize(16, 16)));
  for (const ToolSpec& tool : kTools) {
    if (tool.id == kSeparator) {
      bar->AddSeparator();
      continue;
    }
    const wxItemKind kind = tool.id == CommandId::AlwaysOnTop ? wxITEM_CHECK : wxITEM_NORMAL;
    bar->AddTool(static_cast<int>(tool.id), tool.caption, NamedIcon(tool.icon),
                 tool.tooltip ? tool.tooltip : L"", kind);
  }
  bar->Realize();
  for (const ToolSpec& tool : kTools) {
    if (tool.id != kSeparator) bar->EnableTool(static_cast<int>(tool.id), CommandAvailable(tool.id));
  }
}

wxMenu* NewTrayMenu() { return NewMenu(kTrayMenu); }

wxMenu* NewTreeMenu() { return NewMenu(kTreeMenu); }

}  // namespace mivrel
