// CategoryTrail: the breadcrumb links of a category and its ancestors, and
// CategoryPath, the same chain as NUL-separated ids for the directory tree.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "base/text.h"
#include "render/html_escape.h"
#include "render/pages.h"
#include "store/database.h"

namespace mivrel {

std::string PageRenderer::CategoryTrail(int id) {
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
  ResultGrid row;
  // Columns of `class`: ID, 类别名, 父类别, 图标, 优先.
  while (seen.insert(next).second &&
         db_.Query("Select * From [class] where id=" + WithBlank(next), row) > 0 &&
         row.Columns() >= 3) {
    chain.push_back({row.Number(1, 0), row.At(1, 1)});
    next = row.Number(1, 2);
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
