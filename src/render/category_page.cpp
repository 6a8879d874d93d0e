// The category page: a category's subcategories (with counts) and entries, the
// home page for id 0, and CategoryPageCache, which keeps every built page for
// the rest of the run.
#include <algorithm>

#include "base/text.h"
#include "render/html_escape.h"
#include "render/pages.h"
#include "settings/settings.h"
#include "store/records.h"

namespace mivrel {
namespace {

constexpr int kEntryListLimit = 500;

constexpr const char* kMakerSite = "https://osterk.example/";

std::string HomeIntroduction() {
  return std::string("OsterkMivrel软件，集API函数、类型、常数、编程语句资料为一体，统一管理和查阅。<br>") +
         "可以增加、删除，修改，所以可以当成代码笔记、代码资料库，还能自动给代码上色。<br>" +
         "支持命令行参数查找关键词，更多Osterk软件请点击" + "<a href=\"" + kMakerSite +
         "\" target=\"_blank\">Osterk软件</a>";
}

std::string WithoutFinalNul(const std::string& path) {
  return path.empty() ? path : path.substr(0, path.size() - 1);
}

}  // namespace

Page PageBuilder::BuildCategoryPage(int id) {
  Page built;
  built.kind = PageKind::Category;
  built.id = id;
  const std::string& count_open = template_.span_open[kCountColour];
  const std::string& count_close = template_.span_close;
  std::string page;
  const auto cached = std::find_if(page_cache_.begin(), page_cache_.end(),
                                   [id](const CachedPage& p) { return p.id == id; });
  if (cached != page_cache_.end()) {
    page = template_.head + cached->text;
    CategoryTrail(id);
  } else {
    const std::vector<CategoryLink> children = ReadChildCategories(db_, id);
    const int subcategories = static_cast<int>(children.size());
    std::string subcategory_rows;
    for (const CategoryLink& child_link : children) {
      // The id is written as the number it holds, so a damaged cell can
      // neither break the link nor inject SQL into the counting queries.
      const std::string child = std::to_string(child_link.id);
      subcategory_rows += "  <tr>\r\n    <td valign=\"top\"><a href=\".r." + child + "\">" +
                          child_link.name + "</a></td>\r\n";
      if (settings_.no_counts) {
        subcategory_rows += "    <td >分类</td>\r\n    <td >包含资料数未统计</td>\r\n";
      } else {
        if (const auto count = CountChildCategories(db_, child_link.id))
          subcategory_rows += "    <td >共" + count_open + " " + std::to_string(*count) + count_close +
                              " 个子分类</td>\r\n";
        if (const auto count = CountEntriesIn(db_, child_link.id))
          subcategory_rows += "    <td >共" + count_open + " " + std::to_string(*count) + count_close +
                              " 篇资料</td>\r\n";
      }
      subcategory_rows += "  </tr>\r\n";
    }
    std::string subcategory_part;
    if (subcategories > 0) {
      if (id == 0) subcategory_part = HomeIntroduction() + "\r\n";
      subcategory_part += "<br><table Width=\"500\" cellpadding=\"3\">\r\n" + subcategory_rows +
                          "\r\n</table>";
    }

    const std::vector<EntryListing> listing = ReadEntryListing(db_, id);
    const int entries = static_cast<int>(listing.size());
    const int listed = std::min(entries, kEntryListLimit);
    std::string entry_part;
    if (entries > 0) {
      std::string entry_rows;
      for (int r = 0; r < listed; ++r) {
        const EntryListing& row = listing[static_cast<size_t>(r)];
        const std::string& brief = row.brief.empty() ? row.name : row.brief;
        entry_rows += "  <tr>\r\n    <td valign=\"top\"><a href=\".y." + std::to_string(row.id) + "\">" +
                      EscapeHtmlText(row.name) + "</a></td>\r\n    <td >" + brief + "</td>\r\n  </tr>\r\n";
      }
      entry_part = "<table Width=\"100%\" cellpadding=\"3\" >\r\n" + entry_rows + "\r\n</table>";
    }

    std::string summary = count_open + " " + WithBlank(subcategories) + count_close + " 个分类";
    if (entries > 0 && listed == kEntryListLimit)
      summary += "，" + count_open + WithBlank(entries) + count_close + " 篇资料，只显示" +
                 count_open + " 500 " + count_close + "篇资料";
    else if (entries > 0)
      summary += "，" + count_open + " " + WithBlank(listed) + count_close + " 篇资料";

    std::string text = CategoryTrail(id) + summary + "</td></tr></table>" + subcategory_part +
                       "<br>" + entry_part + template_.tail;
    page = template_.head + text;
    page_cache_.push_back({id, std::move(text)});
  }
  built.bytes = std::move(page);
  built.tree_path = WithoutFinalNul(category_path_);
  return built;
}

void PageBuilder::DropPageCacheFor(int category_id) {
  page_cache_.erase(std::remove_if(page_cache_.begin(), page_cache_.end(),
                                   [category_id](const CachedPage& p) { return p.id == category_id; }),
                    page_cache_.end());
}

void PageBuilder::ClearPageCache() { page_cache_.clear(); }

}  // namespace mivrel
