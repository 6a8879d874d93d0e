// The anchor code by which every form resizes its child controls.
//
// A code is four comma-separated items for the left, top, right and bottom
// edge: "S" scales the edge with the parent; "F" followed by "L" or "T" keeps
// the distance to the parent's left/top side, "R" or "B" to its right/bottom
// side, or a decimal percentage moves the edge by that share of the parent's
// size change.  Codes shorter than 7 characters are not codes (the control is
// left alone).  Pure computation, no toolkit.
#pragma once

#include <array>
#include <string>

namespace mivrel {

enum class AnchorRule { Scale, Share };

struct EdgeAnchor {
  AnchorRule rule = AnchorRule::Share;
  double percent = 0;  // for Share: 0 = left/top side, 100 = right/bottom side
};

// Left, top, right, bottom.
using AnchorCode = std::array<EdgeAnchor, 4>;

struct EdgeBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct ClientSize {
  int width = 0;
  int height = 0;
};

// Parses a code; false for a text that is not one (too short, not four
// items, an item that is neither "S" nor "F" + L/T/R/B/number).
bool ParseAnchorCode(const std::string& text, AnchorCode& code);

// The control's new edges for the parent's current client size, from its
// edges and the parent's client size at design time.  A design size of 0
// leaves scaled edges where they are.
EdgeBox ApplyAnchorCode(const AnchorCode& code, const EdgeBox& design, const ClientSize& design_parent,
                        const ClientSize& current_parent);

}  // namespace mivrel
