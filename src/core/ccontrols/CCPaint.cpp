// The look of the CControls widgets: black ink on the control's colour (the paper), in the handheld's fonts,
// one panel pixel per handheld pixel.
#include <algorithm>
#include <array>

#include "CCBitmap.h"
#include "CCButton.h"
#include "CCCheckbox.h"
#include "CCDropDown.h"
#include "CCEdit.h"
#include "CCLabel.h"
#include "CCListBox.h"
#include "CCMenu.h"
#include "CCMenuBar.h"
#include "CCPopUp.h"
#include "CCRadio.h"
#include "CCSwitch.h"
#include "graphics/Fonts.h"
#include "model/BitmapGrid.h"
#include "model/WidgetPaint.h"

namespace tw {
namespace {

// The part of [lo, hi] that lies inside the clip along one axis (logical coordinates).
struct Span {
  long long lo, hi;
};
Span visibleX(const Canvas& cv, long long lo, long long hi) {
  const Canvas::State s = cv.state();
  return {std::max(lo, s.clip.left - s.ox), std::min(hi, s.clip.right - 1 - s.ox)};
}
Span visibleY(const Canvas& cv, long long lo, long long hi) {
  const Canvas::State s = cv.state();
  return {std::max(lo, s.clip.top - s.oy), std::min(hi, s.clip.bottom - 1 - s.oy)};
}

// A gray line is a solid one with alternate pixels put back in the paper colour. Along the edge from a to b
// (both included; horizontal, vertical or diagonal) each pixel whose coordinate along the edge's axis
// (x, or y for a vertical edge) satisfies gap() is repainted.
template <class Gap> void thinOut(Canvas& cv, Point a, Point b, Colour paper, Gap gap) {
  if (a.x == b.x) {
    Span s = visibleY(cv, std::min(a.y, b.y), std::max(a.y, b.y));
    for (long long y = s.lo; y <= s.hi; ++y)
      if (gap(y)) cv.setPixel(a.x, int(y), paper);
    return;
  }
  const long long dx = b.x > a.x ? 1 : -1, n = (b.x - a.x) * dx;
  const long long dy = b.y > a.y ? 1 : b.y < a.y ? -1 : 0;
  // only the steps whose x is visible
  Span s = visibleX(cv, std::min(a.x, b.x), std::max(a.x, b.x));
  if (s.lo > s.hi) return;
  long long k0 = dx > 0 ? s.lo - a.x : a.x - s.hi, k1 = dx > 0 ? s.hi - a.x : a.x - s.lo;
  k0 = std::max(k0, 0LL), k1 = std::min(k1, n);
  for (long long k = k0; k <= k1; ++k) {
    long long x = a.x + k * dx;
    if (gap(x)) cv.setPixel(int(x), int(a.y + k * dy), paper);
  }
}

bool odd(long long v) { return (v & 1) != 0; }
// The dotting of a label's or edit's frame: the first two pixels and every odd one after them.
bool labelGap(long long v) { return v < 2 || odd(v); }

void centredText(Canvas& cv, int w, int h, const std::string& text, int dx = 0) {
  inkText(cv, (w - cv.textWidth(text)) / 2 + dx, (h - cv.textHeight(text)) / 2, text);
}

// Button and switch: an octagon with corners cut by the radius, filled, its text centred.
void paintRounded(Canvas& cv, const Control& c, const std::string& text, int line, int radius, bool switchOn,
                  int textShift) {
  const int w = c.width(), h = c.height();
  const Colour paper = c.color;
  // A form file may hold any 32-bit radius; within the coordinate range no corner arithmetic overflows,
  // and a cut larger than any panel looks no different.
  const int clamped = clampCoord(radius);
  const int r = clamped > 1 ? clamped - 1 : clamped;
  const std::array<Point, 8> oct = {{{r, 0}, {w - 1 - r, 0}, {w - 1, r}, {w - 1, h - 1 - r}, {w - 1 - r, h - 1},
                                     {r, h - 1}, {0, h - 1 - r}, {0, r}}};
  cv.pen = {kBlack, line == 0 ? PenStyle::Clear : PenStyle::Solid};
  cv.brush = {switchOn ? kBlack : paper, BrushStyle::Solid};
  cv.polygon(oct);
  const Point corners[4] = {{1, 1}, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2}};
  if (radius == 4 && line == 1) {
    for (Point p : corners) cv.setPixel(p.x, p.y, kBlack);
  } else if (!switchOn) {
    for (Point p : corners) cv.setPixel(p.x, p.y, paper);
  }
  if (line == 2) {
    for (size_t i = 0; i < oct.size(); ++i) {
      Point a = oct[i], b = oct[(i + 1) % oct.size()];
      thinOut(cv, a, b, paper, odd);
    }
  }
  cv.fontColor = switchOn ? paper : kBlack;
  centredText(cv, w, h, text, textShift);
}

// Label and edit: plain, underlined or boxed, the text vertically centred.
void paintTextBox(Canvas& cv, const Control& c, const std::string& text, int line, int style) {
  const int w = c.width(), h = c.height();
  const bool pen = line != 0 && style != 0;
  cv.pen = {kBlack, pen ? PenStyle::Solid : PenStyle::Clear};
  cv.brush.style = BrushStyle::Clear;
  if (style == 1) {
    cv.line(0, h - 1, w - 1, h - 1);
    if (pen && line == 2) thinOut(cv, {0, h - 1}, {w - 1, h - 1}, c.color, labelGap);
  } else if (style == 2) {
    const Point box[4] = {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}};
    cv.polygon(box);
    if (pen && line == 2)
      for (int i = 0; i < 4; ++i) thinOut(cv, box[i], box[(i + 1) % 4], c.color, labelGap);
  }
  cv.fontColor = kBlack;
  const int tw = cv.textWidth(text);
  int x = 2;
  if (c.alignment == Alignment::Center) x = (w - tw) / 2;
  else if (c.alignment == Alignment::Right) x = w - tw - 2;
  inkText(cv, x, (h - cv.textHeight(text)) / 2, text);
}

void paintCheckbox(Canvas& cv, const TCCCheckbox& c) {
  const Colour paper = c.color;
  auto tick = [&](Colour colour) {
    cv.pen = {colour, PenStyle::Solid};
    cv.polyline({{4, 6}, {6, 8}, {12, 2}});
    cv.polyline({{4, 5}, {6, 7}, {12, 1}});
    cv.polyline({{5, 5}, {6, 6}, {11, 1}});
  };
  auto box = [&] {
    cv.pen = {kBlack, PenStyle::Solid};
    cv.brush.style = BrushStyle::Clear;
    cv.polygon({{2, 3}, {9, 3}, {9, 10}, {2, 10}});
  };
  if (c.state != 0) {
    box();
    tick(kBlack);
    cv.setPixel(8, 3, paper);
    cv.setPixel(9, 6, paper);
  } else {
    tick(paper);
    box();
  }
  cv.fontColor = kBlack;
  inkText(cv, 13, 1, c.content);
}

void paintListBox(Canvas& cv, const TCCListBox& c) {
  const int w = c.width(), h = c.height();
  const Colour paper = c.color;
  cv.pen = {kBlack, PenStyle::Solid};
  cv.brush.style = BrushStyle::Clear;
  cv.rectangle(0, 0, w, h);
  // Rows fill the inside; a row past the visible ones would cover the bottom of the frame.
  const int rows = c.visibleItems();
  const long long shown = std::min<long long>(static_cast<long long>(c.items.size()), rows);
  for (long long i = 0; i < shown; ++i) {
    if (!rowsVisible(cv, 11 * i + 1, 11 * i + 12)) continue;
    const int y = static_cast<int>(11 * i);
    const bool sel = i == c.selectedItem;
    solid(cv, sel ? kBlack : paper);
    cv.polygon({{1, y + 1}, {w - 2, y + 1}, {w - 2, y + 11}, {1, y + 11}});
    cv.fontColor = sel ? paper : kBlack;
    inkText(cv, 2, y + 1, c.items[size_t(i)]);
  }
  if (static_cast<long long>(c.items.size()) > rows) {
    const int x0 = w - 7, y0 = h - 9;
    solid(cv, c.selectedItem + 1 == rows ? paper : kBlack);
    cv.polygon({{x0, y0}, {x0 + 2, y0}, {x0 + 2, y0 + 3}, {x0 + 4, y0 + 3}, {x0 + 1, y0 + 6}, {x0 - 2, y0 + 3},
                {x0, y0 + 3}});
  }
}

void paintRadio(Canvas& cv, const TCCRadio& c) {
  const int w = c.width(), h = c.height();
  const Colour paper = c.color;
  const long long n = static_cast<long long>(c.items.size());
  if (n == 0) {  // no cells to divide the width into: the frame alone
    cv.pen = {kBlack, PenStyle::Solid};
    cv.brush.style = BrushStyle::Clear;
    cv.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    return;
  }
  const long long cell = w / n;
  for (long long i = 0; i < n; ++i) {
    const long long x0 = cell * i, x1 = std::min<long long>(x0 + cell, w - 1);
    if (x0 > w) break;  // cells of no width past the right edge
    const bool sel = i == c.selectedItem;
    cv.pen = {kBlack, PenStyle::Solid};
    cv.brush = {sel ? kBlack : paper, BrushStyle::Solid};
    cv.polygon({{int(x0), 0}, {int(x1), 0}, {int(x1), h - 1}, {int(x0), h - 1}});
    const std::string& text = c.items[size_t(i)];
    cv.fontColor = sel ? paper : kBlack;
    inkText(cv, int(x0 + (cell - cv.textWidth(text)) / 2), (h - cv.textHeight(text)) / 2, text);
  }
}

void paintDropDown(Canvas& cv, const TCCDropDown& c, bool open) {
  if (open) {
    paintHandheldList(cv, c.width(), c.height(), c.color,
                      {c.items, c.visibleItems(), 11, c.selectedItem, true});
    return;
  }
  cv.fontColor = kBlack;
  cv.brush.style = BrushStyle::Clear;
  if (c.selectedItem >= 0 && size_t(c.selectedItem) < c.items.size()) inkText(cv, 12, 1, c.items[size_t(c.selectedItem)]);
  solid(cv, kBlack);
  cv.polygon({{1, 5}, {8, 5}, {5, 8}, {4, 8}});
}

void paintMenuBar(Canvas& cv) {
  cv.pen = {kBlack, PenStyle::Solid};
  cv.brush.style = BrushStyle::Clear;
  cv.polygon({{1, 0}, {157, 0}, {158, 1}, {158, 12}, {157, 13}, {1, 13}, {0, 12}, {0, 1}});
  cv.line(159, 2, 159, 11);
  cv.line(2, 14, 156, 14);
}

void paintMenu(Canvas& cv, const TCCMenu& c) {
  const int t = c.topicWidth(), u = c.userWidth(), h = c.height(), w = c.width();
  const Colour paper = c.color;
  const bool open = c.test() != 0;
  if (open) {
    solid(cv, kBlack);
    cv.polygon({{1, 0}, {t, 0}, {t, 13}, {1, 13}});
  }
  cv.brush.style = BrushStyle::Clear;
  cv.fontColor = open ? paper : kBlack;
  inkText(cv, 4, 1, c.topic);
  cv.fontColor = kBlack;
  if (open) {
    for (size_t i = 0; i < c.items.size(); ++i) {
      const long long y = 11LL * static_cast<long long>(i) + 14;
      if (rowsVisible(cv, y, y + cv.textHeight(c.items[i]))) inkText(cv, 2, int(y), c.items[i]);
    }
  }
  if (c.items.empty() || !open) {
    cv.fillRect({0, 13, w, 15}, kBlack);
    return;
  }
  cv.pen = {kBlack, PenStyle::Solid};
  cv.polygon({{0, 13}, {u - 2, 13}, {u - 2, h - 3}, {u - 3, h - 2}, {1, h - 2}, {0, h - 3}});
  cv.fillRect({u - 1, 15, u, h - 2}, kBlack);  // shadow at the right
  cv.fillRect({2, h - 1, u - 2, h}, kBlack);   // and below
}

void paintBitmap(Canvas& cv, const TCCBitmap& c) {
  forEachBlackPixel(c.stringBits, c.width(), c.height(), [&cv](int x, int y) { cv.setPixel(x, y, kBlack); });
}

}  // namespace

void TCCButton::paint(Canvas& cv, const FontSet&) const {
  paintRounded(cv, *this, content, line, radius, false, tag == 3 ? 1 : 0);
}
void TCCSwitch::paint(Canvas& cv, const FontSet&) const { paintRounded(cv, *this, content, line, radius, state != 0, 0); }
void TCCEdit::paint(Canvas& cv, const FontSet&) const { paintTextBox(cv, *this, content, line, style); }
void TCCLabel::paint(Canvas& cv, const FontSet&) const { paintTextBox(cv, *this, content, line, style); }
void TCCCheckbox::paint(Canvas& cv, const FontSet&) const { paintCheckbox(cv, *this); }
void TCCListBox::paint(Canvas& cv, const FontSet&) const { paintListBox(cv, *this); }
void TCCRadio::paint(Canvas& cv, const FontSet&) const { paintRadio(cv, *this); }
void TCCDropDown::paint(Canvas& cv, const FontSet&) const { paintDropDown(cv, *this, testItems != 0); }
void TCCPopUp::paint(Canvas& cv, const FontSet&) const { paintDropDown(cv, *this, true); }
void TCCMenuBar::paint(Canvas& cv, const FontSet&) const { paintMenuBar(cv); }
void TCCMenu::paint(Canvas& cv, const FontSet&) const { paintMenu(cv, *this); }
void TCCBitmap::paint(Canvas& cv, const FontSet&) const { paintBitmap(cv, *this); }

}  // namespace tw
