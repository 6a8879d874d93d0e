// The windows of this program were laid out for compact controls (9-point
// text, tight tool buttons and tabs).  GTK's default theme pads toolbars and
// tab strips so much that the main window's 13 tools and the side pane's
// three tabs do not fit their widths.  UseCompactControls adds a style sheet
// for the whole program that tightens that padding.  Call once after the
// toolkit has started; does nothing where GTK is not the toolkit.
#pragma once

namespace mivrel {

void UseCompactControls();

}  // namespace mivrel
