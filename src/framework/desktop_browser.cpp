#include "framework/desktop_browser.h"

#include <wx/log.h>
#include <wx/utils.h>

#include "framework/wx_text.h"

namespace mivrel {

bool OpenInDesktopBrowser(const wxString& url, Ui& ui, MessageOwner owner) {
  bool opened = false;
  {
    // Keeps the toolkit's English "Failed to open URL" box away.
    wxLogNull quiet;
    opened = wxLaunchDefaultBrowser(url);
  }
  if (!opened) {
    ui.ShowMessage("打开网页失败，原因见下面信息：\r\n没有找到可以打开网页的浏览器。\r\n" + WxToGb(url),
                   MessageIcon::Stop, MessageButtons::Ok, owner);
  }
  return opened;
}

}  // namespace mivrel
