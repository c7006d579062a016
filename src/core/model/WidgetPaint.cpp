#include "WidgetPaint.h"

#include <algorithm>

#include "graphics/Fonts.h"
#include "model/Control.h"

namespace tw {

void paintControl(Canvas& canvas, const Control& c, const FontSet& fonts) {
  paintPanel(canvas, c, fonts);
  c.paint(canvas, fonts);
  if (c.selected && c.showsMarks()) paintSelectionMarks(canvas, c.width(), c.paintedHeight(), c.selectColor);
}

void paintPanel(Canvas& canvas, const Control& c, const FontSet& fonts) {
  canvas.setFont(fonts.face(c.font.name));
  canvas.fillRect({0, 0, c.width(), c.paintedHeight()}, c.color);
  canvas.pen = {kBlack, PenStyle::Solid};
  canvas.brush = {c.color, BrushStyle::Solid};
  canvas.fontColor = kBlack;
}

void inkText(Canvas& canvas, int x, int y, std::string_view text) {
  const BrushStyle style = canvas.brush.style;
  canvas.brush.style = BrushStyle::Clear;
  canvas.textOut(x, y, text);
  canvas.brush.style = style;
}

void solid(Canvas& canvas, Colour colour) {
  canvas.pen = {colour, PenStyle::Solid};
  canvas.brush = {colour, BrushStyle::Solid};
}

void paintSelectionMarks(Canvas& canvas, int w, int h, Colour colour) {
  const int mx = w / 2 - 1, my = h / 2 - 1;
  const Point corners[8] = {{0, 0},     {mx, 0},     {w - 3, 0}, {w - 3, my},
                            {w - 3, h - 3}, {mx, h - 3}, {0, h - 3}, {0, my}};
  for (const Point& p : corners) canvas.fillRect({p.x, p.y, p.x + 3, p.y + 3}, colour);
}

bool rowsVisible(const Canvas& canvas, long long top, long long bottom) {
  const Canvas::State s = canvas.state();
  return bottom + s.oy > s.clip.top && top + s.oy < s.clip.bottom && !s.clip.isEmpty();
}

void paintHandheldList(Canvas& canvas, int w, int h, Colour paper, const ListLook& look) {
  const int rh = look.rowHeight;
  canvas.pen = {kBlack, PenStyle::Solid};
  canvas.brush.style = BrushStyle::Clear;
  if (!look.popup)
    canvas.polygon({{0, 0}, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}});
  else
    canvas.polygon({{1, 0}, {w - 3, 0}, {w - 2, 1}, {w - 2, h - 3}, {w - 3, h - 2}, {1, h - 2}, {0, h - 3}, {0, 1}});

  const long long shown = std::min<long long>(static_cast<long long>(look.items.size()), look.rows);
  for (long long i = 0; rh > 0 && i < shown; ++i) {
    const long long top = i * rh;
    if (!rowsVisible(canvas, top + 1, top + rh + 1)) continue;
    const int y = static_cast<int>(top);
    const bool sel = i == look.selected;
    solid(canvas, sel ? kBlack : paper);
    canvas.polygon({{1, y + 1}, {w - 3, y + 1}, {w - 3, y + rh}, {1, y + rh}});
    canvas.fontColor = sel ? paper : kBlack;
    inkText(canvas, 2, y + 1, look.items[size_t(i)]);
  }

  if (static_cast<long long>(look.items.size()) > look.rows) {
    const int x0 = w - 8, y0 = h - 10;
    solid(canvas, look.selected + 1 == look.rows ? paper : kBlack);
    canvas.polygon({{x0, y0}, {x0 + 2, y0}, {x0 + 2, y0 + 3}, {x0 + 4, y0 + 3}, {x0 + 1, y0 + 6}, {x0 - 2, y0 + 3},
                    {x0, y0 + 3}});
  }

  // Lines that include both their ends.
  auto hline = [&](int x0, int x1, int y, Colour c) { canvas.fillRect({x0, y, x1 + 1, y + 1}, c); };
  if (!look.popup) {
    hline(0, w - 2, h - 2, kBlack);
    hline(0, w - 2, h - 1, paper);
  } else {
    canvas.fillRect({w - 1, 2, w, h - 3}, kBlack);
    hline(2, w - 4, h - 1, kBlack);
    hline(1, w - 3, h - 2, kBlack);
  }
  canvas.fontColor = kBlack;
}

}  // namespace tw
