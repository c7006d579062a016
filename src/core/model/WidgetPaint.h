#pragma once
// Painting one widget: each family draws its own classes; these are the pieces they share.
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"

namespace tw {

class Control;
class FontSet;

// Paints a control in its own pixel coordinates ((0, 0) is the panel's top-left pixel). The canvas's clip
// should be the panel; the painter sets pen, brush and font as it goes. The paint-time size rules
// (Control::beforePaint) are the caller's: the picture of a form runs them just before.
void paintControl(Canvas& canvas, const Control& c, const FontSet& fonts);

// The panel's own painting: its whole area in its colour; then the canvas writes in the control's font.
void paintPanel(Canvas& canvas, const Control& c, const FontSet& fonts);

// Eight filled 3 x 3 squares at the corners and the middles of the edges of a w x h panel.
void paintSelectionMarks(Canvas& canvas, int w, int h, Colour colour);

// True when rows top .. bottom - 1 (logical) can show a pixel inside the clip: painters skip rows of
// long lists that lie outside it, so a list of thousands of rows costs what its visible rows cost.
bool rowsVisible(const Canvas& canvas, long long top, long long bottom);

// The handheld's list: stand-alone (a rectangle frame with a paper line under it) or popped up (cut corners
// and a shadow at the right and bottom); the first `rows` items in rows of rowHeight pixels, the selected
// one inverted; and, when more items follow, a small down-arrow in the lower right corner. The panel is
// 3 pixels wider than the list and rows x rowHeight + 3 high.
struct ListLook {
  const std::vector<std::string>& items;
  int rows = 0;
  int rowHeight = 11;
  int selected = -1;
  bool popup = false;
};
void paintHandheldList(Canvas& canvas, int w, int h, Colour paper, const ListLook& look);

// Text in the font colour that touches only the glyphs' pixels: the cell behind it keeps what is there
// (widgets draw their text on what is already the right colour, frames included).
void inkText(Canvas& canvas, int x, int y, std::string_view text);

// Pen and brush of one colour, both solid.
void solid(Canvas& canvas, Colour colour);

}  // namespace tw
