// Link navigation and the back/forward moves of the browser pane.  Every
// generated page lives under "about:blank", so a clicked link arrives as an
// "about:" address: "about:.r." + category id, "about:.y." + entry id,
// "about:" + word or page name (with "#" + anchor), "about:blank#" + anchor.
// ResolveNavigation turns such an address into a page operation; outside
// pages (file:, http:) are left to the browser, whose own history then serves
// 返回 and 前进.  One Navigator per running program, owned by the Session.
// User-interface thread only.
#pragma once

#include <string>

namespace mivrel {

class BrowserPane;
class Database;
class History;
struct HistoryRecord;
class PageOpener;
class SearchPanes;
class SideTabs;

// A page-name reference split at its first "#" when that "#" is not the first
// character; otherwise the whole text is the name and the anchor is empty.
struct PageNameReference {
  std::string name;
  std::string anchor;
};
PageNameReference SplitPageName(const std::string& gb_text);

// True when the name, ASCII letters lower-cased, ends in ".htm": always the
// name of an imported web page.  A ".html" name is one only when an imported
// page carries it (ResolvePageName looks it up before taking it as a word).
bool IsWebPageName(const std::string& gb_name);

class Navigator {
 public:
  // Borrows everything; all must outlive the navigator.
  Navigator(Database& db, BrowserPane& pane, History& history, PageOpener& opener,
            SearchPanes& panes, SideTabs& tabs);

  // Called for every document-complete notification with its address (GB18030).
  void ResolveNavigation(const std::string& gb_address);

  // Resolves a page-name reference: a web page name opens that entry (at the
  // anchor); any other text is looked up in the name index at once, and the
  // side pane switches to 目录 for exactly one hit, to 索引 for several, and to
  // 索引 for none only when 查找 is showing.  A name matching no row, or a
  // failing query, does nothing.
  void ResolvePageName(const std::string& gb_text);

  // 返回 / 前进: over the recorded pages while a generated page is shown (the
  // page shown again is not recorded again and the tree follows it), through
  // the browser's own history while an outside page is shown.  Nothing to go
  // back or forward to: nothing happens.
  void GoBack();
  void GoForward();
  // 主页: the home page, recorded like any page.
  void GoHome();

 private:
  void ShowRecorded(const HistoryRecord& record);
  // The id of the first entry whose page name is `gb_name`; 0 when none.
  int FindWebPage(const std::string& gb_name);

  Database& db_;
  BrowserPane& pane_;
  History& history_;
  PageOpener& opener_;
  SearchPanes& panes_;
  SideTabs& tabs_;
};

}  // namespace mivrel
