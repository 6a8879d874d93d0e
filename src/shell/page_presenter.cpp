#include "shell/page_presenter.h"

#include <utility>

#include "base/clock.h"
#include "base/text.h"
#include "ports/browser_pane.h"
#include "ports/panes.h"
#include "ports/trace.h"
#include "ports/ui.h"
#include "render/pages.h"
#include "shell/directory_tree.h"
#include "shell/history.h"
#include "shell/search_panes.h"

namespace mivrel {

constexpr const char* kHomeTitle = "全部内容";

std::string PageStatusText(const Page& page, uint32_t elapsed_ms) {
  if (page.kind == PageKind::Category) return "显示分类化费:" + WithBlank(elapsed_ms) + "毫秒";
  return "显示内容化费:" + WithBlank(elapsed_ms) + "毫秒，占用空间" +
         WithBlank(static_cast<long long>(page.stored_size)) + "字节";
}

PagePresenter::PagePresenter(PageBuilder& pages, BrowserPane& pane, Ui& ui, Clock& clock,
                             History& history, DirectoryTree& tree, SideTabs& tabs,
                             SearchPanes& panes, const TraceSink& trace)
    : pages_(pages),
      pane_(pane),
      ui_(ui),
      clock_(clock),
      history_(history),
      tree_(tree),
      tabs_(tabs),
      panes_(panes),
      trace_(trace) {}

void PagePresenter::FollowInTree(const Page& page) {
  const TreeItem item = tree_.SelectItemByPath(page.tree_path, page.kind);
  if (item != kNoTreeItem) tree_.SelectQuietly(item);
}

void PagePresenter::ShowEntryPage(int id, const std::string& gb_name, Record record, SyncTree sync,
                                  const std::string& gb_anchor) {
  const uint32_t start = clock_.NowMs();
  const std::string highlight =
      tabs_.CurrentTab() == SideTab::Search ? panes_.CurrentSearchText() : std::string();
  ui_.SetBusyCursor(true);
  Page page = pages_.BuildEntryPage(id, gb_name, gb_anchor, highlight);
  trace_.Line(page.trace);
  if (page.found && sync == SyncTree::Yes) FollowInTree(page);
  if (record == Record::Yes) history_.Record(PageKind::Entry, page.id, page.title);
  ui_.SetBusyCursor(false);
  pane_.TakePage(std::move(page.bytes), page.address);
  pane_.FocusPane();
  ui_.SetStatusText(PageStatusText(page, clock_.NowMs() - start));
}

void PagePresenter::ShowCategoryPage(int id, Record record, SyncTree sync) {
  ui_.SetBusyCursor(true);
  const uint32_t start = clock_.NowMs();
  if (id == 0) tree_.ClearSelectionQuietly();
  const Page page = pages_.BuildCategoryPage(id);
  if (sync == SyncTree::Yes) FollowInTree(page);
  ui_.SetBusyCursor(false);
  pane_.WritePage(page.bytes, page.address);
  pane_.FocusPane();
  ui_.SetStatusText(PageStatusText(page, clock_.NowMs() - start));
  if (record == Record::Yes) {
    const TreeItem selected = tree_.View().SelectedItem();
    history_.Record(PageKind::Category, id,
                    selected == kNoTreeItem ? std::string(kHomeTitle) : tree_.View().Label(selected));
  }
}

}  // namespace mivrel
