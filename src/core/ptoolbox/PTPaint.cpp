// The look of the standard handheld controls: black on the control's colour, in the handheld's fonts, one
// panel pixel per handheld pixel. Lines cover their start and stop one pixel short of their end.
#include <algorithm>
#include <string_view>
#include <vector>

#include "PTButton.h"
#include "PTCheckBox.h"
#include "PTEdit.h"
#include "PTGsi.h"
#include "PTLabel.h"
#include "PTList.h"
#include "PTPopTrigger.h"
#include "graphics/Fonts.h"
#include "model/WidgetPaint.h"

namespace tw {
namespace {

void paintButton(Canvas& cv, const TPTButton& b) {
  const int w = b.width(), h = b.height(), f = b.frame;
  const Colour paper = b.color;
  if (f != 1) {
    const int k = f == 2 ? 0 : 3;
    cv.pen = {kBlack, f == 3 ? PenStyle::Clear : PenStyle::Solid};
    cv.brush = {paper, BrushStyle::Solid};
    cv.polygon({{k + 1, 1}, {w - 2 - k, 1}, {w - 2, k + 1}, {w - 2, h - 2 - k}, {w - 2 - k, h - 2}, {k + 1, h - 2},
                {1, h - 2 - k}, {1, k + 1}});
    const Colour corner = f == 0 ? kBlack : paper;
    cv.setPixel(2, 2, corner);
    cv.setPixel(w - 3, 2, corner);
    cv.setPixel(w - 3, h - 3, corner);
    cv.setPixel(2, h - 3, corner);
  } else {
    cv.pen = {kBlack, PenStyle::Solid};
    auto line = [&](int x0, int y0, int x1, int y1) { cv.line(x0, y0, x1, y1); };
    line(5, 0, w - 6, 0);
    line(3, 1, w - 4, 1);
    line(2, 2, 6, 2), line(w - 7, 2, w - 3, 2);
    line(1, 3, 4, 3), line(w - 5, 3, w - 2, 3);
    line(1, 4, 3, 4), line(w - 4, 4, w - 2, 4);
    line(0, 5, 3, 5), line(w - 4, 5, w - 1, 5);
    cv.brush.style = BrushStyle::Clear;
    cv.polygon({{0, 6}, {1, 6}, {1, h - 7}, {0, h - 7}});
    cv.polygon({{w - 3, 6}, {w - 2, 6}, {w - 2, h - 7}, {w - 3, h - 7}});
    line(0, h - 6, 3, h - 6), line(w - 4, h - 6, w - 1, h - 6);
    line(1, h - 5, 3, h - 5), line(w - 4, h - 5, w - 2, h - 5);
    line(1, h - 4, 4, h - 4), line(w - 5, h - 4, w - 2, h - 4);
    line(2, h - 3, 6, h - 3), line(w - 7, h - 3, w - 3, h - 3);
    line(3, h - 2, w - 4, h - 2);
    line(5, h - 1, w - 6, h - 1);
    cv.brush = {paper, BrushStyle::Solid};
  }
  cv.fontColor = kBlack;
  inkText(cv, (w - cv.textWidth(b.text)) / 2, (h - cv.textHeight(b.text)) / 2, b.text);
}

void paintPopTrigger(Canvas& cv, const TPTPopTrigger& p) {
  const int t = (p.height() - cv.textHeight(p.text)) / 2;
  cv.fontColor = p.font.colour;
  inkText(cv, 15, t, p.text);
  solid(cv, kBlack);
  cv.polygon({{3, t + 4}, {10, t + 4}, {7, t + 7}, {6, t + 7}});
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A field: one text line, or for a multi-line field as many as fit, each with a dotted underline; a
// multi-line text wider than the field is wrapped at blanks.
void paintField(Canvas& cv, const TPTEdit& e) {
  const int w = e.width(), h = e.height();
  const Colour paper = e.color;
  const int lh = cv.textHeight("A");
  if (lh <= 0) return;
  const bool multi = e.singleLine == 0;
  const int lines = multi ? h / lh : 1;
  const bool wraps = multi && cv.textWidth(e.text) > w;
  auto put = [&](int y, std::string_view text) {
    if (e.justification == 0) {
      inkText(cv, 0, y, text);
    } else {
      std::string_view t = trimBlanks(text);
      inkText(cv, w - cv.textWidth(t), y, t);
    }
  };
  cv.fontColor = kBlack;
  if (!wraps) put(0, e.text);

  const BitmapFont& font = cv.font();
  std::string_view rest = e.text;
  bool stuck = !wraps;  // nothing (more) to wrap
  for (int i = 0; i < lines; ++i) {
    const long long top = static_cast<long long>(i) * lh;
    if (top + cv.state().oy >= cv.clipRect().bottom) break;  // this line and every later one lie below
    const bool visible = rowsVisible(cv, top, top + lh);
    if (visible && e.underline == 0) {
      const int y = int(top) + lh - 1;
      cv.pen = {kBlack, PenStyle::Solid};
      cv.line(0, y, w, y);
      for (int x = 0; x < w; x += 2) cv.setPixel(x, y, paper);  // only the odd columns stay black
    }
    if (stuck) continue;
    // the longest prefix that fits, and the last blank inside it
    size_t pos = 0, lastBlank = std::string_view::npos;
    long long width = 0;
    bool all = true;
    while (pos < rest.size()) {
      size_t next = pos;
      unsigned char code = static_cast<unsigned char>(rest[pos]);
      if (code < 0x80) ++next;
      else code = detail::cp1252OfNonAscii(rest, next);
      width += font.advance(code);
      if (width > w) {
        all = false;
        break;
      }
      if (rest[pos] == ' ') lastBlank = pos;
      pos = next;
    }
    if (all) {
      if (visible) put(int(top), rest);
      stuck = true;
    } else if (lastBlank == std::string_view::npos) {
      stuck = true;  // a word wider than the field: nothing on this line or any later one
    } else {
      if (visible) put(int(top), rest.substr(0, lastBlank));
      rest.remove_prefix(lastBlank + 1);
    }
  }
}

void paintCheckbox(Canvas& cv, const TPTCheckbox& c) {
  const Colour paper = c.color;
  const int t = (c.height() - cv.textHeight(c.content)) / 2;
  auto tick = [&](Colour colour) {
    cv.pen = {colour, PenStyle::Solid};
    cv.polyline({{5, t + 6}, {7, t + 8}, {13, t + 2}});
    cv.polyline({{5, t + 5}, {7, t + 7}, {13, t + 1}});
    cv.polyline({{6, t + 5}, {7, t + 6}, {12, t + 1}});
  };
  auto box = [&] {
    cv.pen = {kBlack, PenStyle::Solid};
    cv.brush.style = BrushStyle::Clear;
    cv.polygon({{3, t + 3}, {10, t + 3}, {10, t + 10}, {3, t + 10}});
  };
  if (c.state != 0) {
    box();
    tick(kBlack);
    cv.setPixel(9, t + 3, paper);
    cv.setPixel(10, t + 6, paper);
  } else {
    tick(paper);
    box();
  }
  cv.brush = {paper, BrushStyle::Solid};
  cv.fontColor = c.font.colour;
  inkText(cv, 18, t + 1, c.content);
}

void paintGsi(Canvas& cv, const TPTGsi& g) {
  solid(cv, kBlack);
  cv.polygon({{3, 0}, {4, 0}, {7, 3}, {5, 3}, {5, 8}, {2, 8}, {2, 2}, {0, 3}, {3, 0}});
  if (g.selected) {
    const int w = g.width(), h = g.height();
    for (Point p : {Point{0, 0}, Point{w - 2, 0}, Point{w - 2, h - 2}, Point{0, h - 2}})
      cv.fillRect({p.x, p.y, p.x + 2, p.y + 2}, g.selectColor);
  }
}

}  // namespace

void TPTButton::paint(Canvas& cv, const FontSet&) const { paintButton(cv, *this); }
void TPTPopTrigger::paint(Canvas& cv, const FontSet&) const { paintPopTrigger(cv, *this); }
void TPTEdit::paint(Canvas& cv, const FontSet&) const { paintField(cv, *this); }
void TPTCheckbox::paint(Canvas& cv, const FontSet&) const { paintCheckbox(cv, *this); }
void TPTLabel::paint(Canvas& cv, const FontSet&) const {
  cv.fontColor = kBlack;
  inkText(cv, 0, 0, content);
}
void TPTList::paint(Canvas& cv, const FontSet&) const {
  paintHandheldList(cv, width(), height(), color, {items, maxItems(), rowHeight(), selectedItem, style != 0});
}
void TPTGsi::paint(Canvas& cv, const FontSet&) const { paintGsi(cv, *this); }

}  // namespace tw
