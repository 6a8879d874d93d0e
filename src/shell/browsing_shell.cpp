#include "shell/browsing_shell.h"

#include "render/pages.h"
#include "shell/directory_tree.h"

namespace mivrel {

BrowsingShell::BrowsingShell(Database& db, Ui& ui, Clock& clock, BrowserPane& pane,
                             const ShellPorts& ports)
    : db_(db), ui_(ui), clock_(clock), pane_(pane), ports_(ports) {}

BrowsingShell::~BrowsingShell() = default;

void BrowsingShell::Connect(PageRenderer& renderer, DirectoryTree& tree) {
  renderer_ = &renderer;
  tree_ = &tree;
  panes_ = std::make_unique<SearchPanes>(db_, ui_, clock_, *this, *this, ports_.search,
                                         ports_.index, ports_.index_timer);
  navigator_ = std::make_unique<Navigator>(db_, pane_, history_, *this, *panes_, ports_.tabs);
  commands_ = std::make_unique<CommandTable>(ui_, pane_, history_, *navigator_, *this,
                                             ports_.window);
  tree.SetScopeListener([this](const ScopeList& scopes) {
    panes_->RefillScopePickers(scopes.rows, scopes.id_lists);
  });
}

void BrowsingShell::HandOverKeyword(const std::string& gb_text) {
  panes_->HandOverKeyword(gb_text, ports_.tabs);
}

void BrowsingShell::RecordPage(PageKind kind, int id, const std::string& title) {
  history_.Record(kind, id, title);
}

void BrowsingShell::SelectTreeItemByPath(const std::string& path, PageKind kind) {
  if (tree_ == nullptr) return;
  const TreeItem item = tree_->SelectItemByPath(path, kind);
  if (item != kNoTreeItem) tree_->SelectQuietly(item);
}

void BrowsingShell::ClearTreeSelection() {
  if (tree_ != nullptr) tree_->ClearSelectionQuietly();
}

bool BrowsingShell::SelectedTreeLabel(std::string& label) {
  if (tree_ == nullptr) return false;
  const TreeItem item = tree_->View().SelectedItem();
  if (item == kNoTreeItem) return false;
  label = tree_->View().Label(item);
  return true;
}

bool BrowsingShell::SearchTabShowing() { return ports_.tabs.CurrentTab() == SideTab::Search; }

std::string BrowsingShell::CurrentSearchText() {
  return panes_ ? panes_->CurrentSearchText() : std::string();
}

void BrowsingShell::Trace(const std::string& line) {
  if (trace_) trace_(line);
}

void BrowsingShell::ShowEntryPage(int id, const std::string& gb_name, Record record,
                                  SyncTree sync, const std::string& gb_anchor) {
  renderer_->ShowEntryPage(id, gb_name, record, sync, gb_anchor);
}

void BrowsingShell::ShowCategoryPage(int id, Record record, SyncTree sync) {
  renderer_->ShowCategoryPage(id, record, sync);
}

bool BrowsingShell::SelectedImage(int& image) {
  if (tree_ == nullptr) return false;
  const TreeItem item = tree_->View().SelectedItem();
  if (item == kNoTreeItem) return false;
  image = tree_->View().Image(item);
  return true;
}

void BrowsingShell::RenameSelected() {
  if (tree_ != nullptr) tree_->RenameSelected();
}

}  // namespace mivrel
