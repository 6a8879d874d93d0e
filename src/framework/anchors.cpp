#include "framework/anchors.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace mivrel {
namespace {

constexpr size_t kShortestCode = 7;

std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items(1);
  for (char c : text) {
    if (c == ',') {
      items.emplace_back();
    } else if (c != ' ') {
      items.back() += c;
    }
  }
  return items;
}

bool ParseItem(const std::string& item, EdgeAnchor& anchor) {
  if (item == "S" || item == "s") {
    anchor.rule = AnchorRule::Scale;
    return true;
  }
  if (item.size() < 2 || (item[0] != 'F' && item[0] != 'f')) return false;
  anchor.rule = AnchorRule::Share;
  const std::string rest = item.substr(1);
  if (rest == "L" || rest == "T" || rest == "l" || rest == "t") {
    anchor.percent = 0;
    return true;
  }
  if (rest == "R" || rest == "B" || rest == "r" || rest == "b") {
    anchor.percent = 100;
    return true;
  }
  char* end = nullptr;
  const double value = std::strtod(rest.c_str(), &end);
  if (end == rest.c_str() || *end != '\0') return false;
  anchor.percent = value;
  return true;
}

int NewEdge(const EdgeAnchor& anchor, int edge, int design_size, int current_size) {
  if (anchor.rule == AnchorRule::Scale) {
    if (design_size == 0) return edge;
    return static_cast<int>(std::lround(static_cast<double>(edge) * current_size / design_size));
  }
  return edge + static_cast<int>(std::lround(anchor.percent / 100.0 * (current_size - design_size)));
}

}  // namespace

bool ParseAnchorCode(const std::string& text, AnchorCode& code) {
  if (text.size() < kShortestCode) return false;
  const std::vector<std::string> items = SplitItems(text);
  if (items.size() != 4) return false;
  AnchorCode parsed;
  for (size_t i = 0; i < 4; ++i) {
    if (!ParseItem(items[i], parsed[i])) return false;
  }
  code = parsed;
  return true;
}

EdgeBox ApplyAnchorCode(const AnchorCode& code, const EdgeBox& design, const ClientSize& design_parent,
                        const ClientSize& current_parent) {
  EdgeBox box;
  box.left = NewEdge(code[0], design.left, design_parent.width, current_parent.width);
  box.top = NewEdge(code[1], design.top, design_parent.height, current_parent.height);
  box.right = NewEdge(code[2], design.right, design_parent.width, current_parent.width);
  box.bottom = NewEdge(code[3], design.bottom, design_parent.height, current_parent.height);
  return box;
}

}  // namespace mivrel
