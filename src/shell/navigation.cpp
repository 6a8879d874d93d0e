#include "shell/navigation.h"

#include "base/text.h"
#include "ports/browser_pane.h"
#include "shell/history.h"
#include "ports/page_opener.h"
#include "shell/search_panes.h"
#include "store/records.h"

namespace mivrel {

namespace {

constexpr std::string_view kAbout = "about:";
constexpr std::string_view kAboutBlank = "about:blank";
constexpr std::string_view kAboutBlankAnchor = "about:blank#";
constexpr std::string_view kCategoryLink = "about:.r.";
constexpr std::string_view kEntryLink = "about:.y.";

// The id of a ".r."/".y." link: the number its leading digits make; no digits,
// or a number too large for an id, gives 0 (the home page / the not-found page).
int LinkId(const std::string& address, size_t from) {
  if (from >= address.size() || address[from] < '0' || address[from] > '9') return 0;
  const long long id = LeadingNumber(std::string_view(address).substr(from));
  return id <= 0x7fffffff ? static_cast<int>(id) : 0;
}

}  // namespace

PageNameReference SplitPageName(const std::string& gb_text) {
  PageNameReference ref;
  const size_t hash = gb_text.find('#');
  if (hash == std::string::npos || hash == 0) {
    ref.name = gb_text;
  } else {
    ref.name = gb_text.substr(0, hash);
    ref.anchor = gb_text.substr(hash + 1);
  }
  return ref;
}

bool IsWebPageName(const std::string& gb_name) { return EndsWith(LowerAscii(gb_name), ".htm"); }

Navigator::Navigator(Database& db, BrowserPane& pane, History& history, PageOpener& opener,
                     SearchPanes& panes, SideTabs& tabs)
    : db_(db), pane_(pane), history_(history), opener_(opener), panes_(panes), tabs_(tabs) {}

void Navigator::ResolveNavigation(const std::string& gb_address) {
  if (!StartsWith(gb_address, kAbout)) return;  // an outside page, loaded by the browser
  if (StartsWith(gb_address, kAboutBlankAnchor)) {
    ResolvePageName(gb_address.substr(kAboutBlank.size()));  // "#" and the anchor
    return;
  }
  // The notification for a page the system has just written.
  if (gb_address.find(kAboutBlank) != std::string::npos) return;
  if (StartsWith(gb_address, kCategoryLink)) {
    opener_.ShowCategoryPage(LinkId(gb_address, kCategoryLink.size()), Record::Yes, SyncTree::Yes);
    return;
  }
  if (StartsWith(gb_address, kEntryLink)) {
    opener_.ShowEntryPage(LinkId(gb_address, kEntryLink.size()), "", Record::Yes, SyncTree::Yes,
                          "");
    return;
  }
  ResolvePageName(gb_address.substr(kAbout.size()));
}

int Navigator::FindWebPage(const std::string& gb_name) {
  return static_cast<int>(FindEntryByPageName(db_, gb_name));
}

void Navigator::ResolvePageName(const std::string& gb_text) {
  const PageNameReference ref = SplitPageName(gb_text);
  if (IsWebPageName(ref.name)) {
    const int id = FindWebPage(ref.name);
    if (id != 0) opener_.ShowEntryPage(id, "", Record::Yes, SyncTree::Yes, ref.anchor);
    return;
  }
  // Documentation generators write ".html" pages, and imports keep that name;
  // a ".html" name that names no imported page is still a word to look up.
  if (EndsWith(LowerAscii(ref.name), ".html")) {
    const int id = FindWebPage(ref.name);
    if (id != 0) {
      opener_.ShowEntryPage(id, "", Record::Yes, SyncTree::Yes, ref.anchor);
      return;
    }
  }
  panes_.Controls(ResultPane::Index).input.SetText(ref.name);
  panes_.IndexTimerTick();
  const int hits = panes_.Controls(ResultPane::Index).list.Count();
  if (hits == 1) {
    tabs_.SelectTab(SideTab::Directory);
  } else if (hits > 1) {
    tabs_.SelectTab(SideTab::Index);
  } else if (tabs_.CurrentTab() == SideTab::Search) {
    tabs_.SelectTab(SideTab::Index);
  }
}

void Navigator::ShowRecorded(const HistoryRecord& record) {
  if (record.kind == PageKind::Category) {
    opener_.ShowCategoryPage(record.id, Record::No, SyncTree::Yes);
  } else {
    opener_.ShowEntryPage(record.id, "", Record::No, SyncTree::Yes, "");
  }
}

void Navigator::GoBack() {
  if (!StartsWith(pane_.CurrentAddress(), kAbout)) {
    pane_.GoBackInBrowser();
    return;
  }
  if (const HistoryRecord* record = history_.StepBack()) ShowRecorded(HistoryRecord(*record));
}

void Navigator::GoForward() {
  if (!StartsWith(pane_.CurrentAddress(), kAbout)) {
    pane_.GoForwardInBrowser();
    return;
  }
  if (const HistoryRecord* record = history_.StepForward()) ShowRecorded(HistoryRecord(*record));
}

void Navigator::GoHome() { opener_.ShowCategoryPage(0, Record::Yes, SyncTree::Yes); }

}  // namespace mivrel
