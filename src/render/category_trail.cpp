// CategoryTrail: the breadcrumb links of a category and its ancestors, and
// CategoryPath, the same chain as NUL-separated ids for the directory tree.
#include <algorithm>
#include <optional>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "render/html_escape.h"
#include "render/pages.h"
#include "store/records.h"

namespace mivrel {

std::string PageBuilder::CategoryTrail(int id) {
  struct Link {
    long long id;
    std::string name;
  };
  // Walked from the given category up to the top level, then written top-down.
  // A parent chain that loops back (a damaged library) ends where a category
  // would repeat, so the walk always finishes.
  std::vector<Link> chain;
  std::unordered_set<long long> seen;
  long long next = id;
  while (seen.insert(next).second) {
    const std::optional<CategoryRecord> category = ReadCategory(db_, next);
    if (!category) break;
    chain.push_back({category->id, category->name});
    next = category->parent;
  }
  std::reverse(chain.begin(), chain.end());

  std::string trail;
  category_path_.clear();
  for (const Link& link : chain) {
    const std::string id_text = std::to_string(link.id);
    trail += "<a href=\".r." + id_text + "\">" + EscapeHtmlText(link.name) + "</a>  &gt; ";
    category_path_ += id_text;
    category_path_ += '\0';
  }
  return trail;
}

}  // namespace mivrel
