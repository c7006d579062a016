#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>
#include <string>

#include "DesignSession.h"
#include "PaintTest.h"
#include "graphics/TextMetrics.h"

using namespace tw;
using testpaint::art;
using testpaint::expectPicture;

namespace {

constexpr Colour kGray = 0x808080;

int countInk(const Canvas& c) {
  int n = 0;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) n += c.at(x, y) != 0xFFFFFF;
  return n;
}

// 5 pixels a character, 11 high (14 in PilotLarge); empty text has no height.
struct FakeMetrics : TextMetrics {
  int textWidth(const Font&, std::string_view t) const override { return int(t.size()) * 5; }
  int textHeight(const Font& f, std::string_view t) const override {
    return t.empty() ? 0 : f.name == kFontLarge ? 14 : 11;
  }
};
struct NoRows : FakeMetrics {
  int textHeight(const Font&, std::string_view) const override { return 0; }
};

}  // namespace

// The drawings of files-drawing.txt: "canvas W H [COLOUR]" starts one; "pen solid|dot|clear", "brush
// COLOUR|clear", "font FACE COLOUR" set the tools; "line", "polyline", "polygon" take points, "rect L T R B",
// "fill L T R B COLOUR", "pixel X Y COLOUR", "text X Y TEXT" draw ("min" and "max" are the ends of int);
// "clip L T R B", "origin X Y", "enter X Y W H", "restore" (to the state before the first enter) move and cut.
// Questions, answered on "-> " lines: "picture [L T R B]" (as art() draws it, on the lines after), "ink"
// (pixels not white), "pen at", "at X Y" (a device pixel), "read X Y" (a logical one), "clip", "origin",
// "text width|height TEXT". "widget CLASS" makes a control, "set PROP VALUE" sets its property, "paint"
// paints it alone (the paint-time rules first) and shows the picture (or a part, as "picture"), "value PROP"
// asks after one, "state" tells its bounds as the designer's tests do; "resize [without rows]" and "measure"
// run its rules after a resize and before a paint with text 5 pixels a character; "black L T R B" counts
// black pixels.
struct Drawing {
  Canvas c{1, 1};
  Canvas::State outer = c.state();
  std::vector<std::string> w;  // the words of the line
  std::unique_ptr<Control> widget;

  std::string line;

  int n(size_t i) { return w[i] == "min" ? INT_MIN : w[i] == "max" ? INT_MAX : std::stoi(w[i]); }
  Colour colour(size_t i) {
    for (auto [name, value] : {std::pair{"black", kBlack}, {"white", kWhite}, {"gray", kGray}, {"red", 0x0000FF}})
      if (w[i] == name) return value;
    return Colour(std::stoul(w[i], nullptr, 16));
  }
  std::vector<Point> points() {
    std::vector<Point> pts;
    for (size_t i = 1; i + 1 < w.size(); i += 2) pts.push_back({n(i), n(i + 1)});
    return pts;
  }
  // The line after its first k words, each followed by one blank, escaped as unescape() reads it.
  std::string after(size_t k) {
    size_t at = 0;
    while (k-- > 0) at = std::min(line.find(' ', at), line.size()) + 1;
    return unescape(line.substr(std::min(at, line.size())));
  }
  static std::string answer(long long a) { return "-> " + std::to_string(a) + "\n"; }
  static std::string answer(Point p) { return "-> " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n"; }
  static std::string pixelAnswer(Colour p) {
    char b[16];
    std::snprintf(b, sizeof b, "%06X", unsigned(p));
    return "-> " + (p == kInvalidColour ? std::string("none") : b) + "\n";
  }

  // A property from its text: items apart by commas, fonts as a form file writes them, numbers also in hex.
  std::string set(const PropInfo* p, const std::string& text) {
    if (!p) return "-> no such property\n";
    std::vector<std::string> items;
    Font f;
    switch (p->type) {
      case PropType::String: p->set(*widget, PropValue(text)); break;
      case PropType::Boolean: p->set(*widget, PropValue(text == "true")); break;
      case PropType::Font: fontFromText(text, f), p->set(*widget, PropValue(f)); break;
      case PropType::Strings:
        for (size_t at = 0, comma; at < text.size(); at = comma + 1)
          comma = std::min(text.find(',', at), text.size()), items.push_back(text.substr(at, comma - at));
        p->set(*widget, PropValue(items));
        break;
      default:
        if (p->setWhole) p->setWhole(*widget, std::stoll(text, nullptr, 0));
        else p->set(*widget, PropValue(std::stoll(text, nullptr, 0)));
    }
    return "";
  }

  std::string run(const std::string& text) {
    std::istringstream in(line = text);
    w.clear();
    for (std::string word; in >> word;) w.push_back(word);
    const std::string& verb = w[0];
    const bool ask = w.size() == 1 || w[1] == "at" || w[1] == "width" || w[1] == "height";
    if (verb == "canvas") c = Canvas(n(1), n(2), w.size() > 3 ? colour(3) : kWhite), outer = c.state();
    if (verb == "pen" && !ask)
      c.pen.style = w[1] == "clear" ? PenStyle::Clear : w[1] == "dot" ? PenStyle::Dot : PenStyle::Solid;
    if (verb == "brush" && w[1] == "clear") c.brush.style = BrushStyle::Clear;
    if (verb == "brush" && w[1] != "clear") c.brush = {colour(1), BrushStyle::Solid};
    if (verb == "font") c.setFont(testpaint::fonts().face(w[1])), c.fontColor = colour(2);
    if (verb == "line") c.line(n(1), n(2), n(3), n(4));
    if (verb == "polyline") c.polyline(points());
    if (verb == "polygon") c.polygon(points());
    if (verb == "rect") c.rectangle(n(1), n(2), n(3), n(4));
    if (verb == "fill") c.fillRect({n(1), n(2), n(3), n(4)}, colour(5));
    if (verb == "clip" && !ask) c.setClipRect({n(1), n(2), n(3), n(4)});
    if (verb == "origin" && !ask) c.setOrigin({n(1), n(2)});
    if (verb == "pixel") c.setPixel(n(1), n(2), colour(3));
    if (verb == "enter") c.enter(n(1), n(2), n(3), n(4));
    if (verb == "restore") c.restore(outer);
    if (verb == "text" && !ask) c.textOut(n(1), n(2), after(3));
    for (int i = 0; verb == "widget" && i < kClassCount; ++i)
      if (w[1] == className(ClassId(i))) widget = createControl(ClassId(i));
    if (verb == "set") return set(widget->property(w[1]), after(2));
    if (verb == "paint") c = testpaint::paintAlone(*widget);
    if (verb == "resize" && w.size() == 1) widget->afterResize(FakeMetrics());
    if (verb == "resize" && w.size() > 1) widget->afterResize(NoRows());  // a face that measures nothing
    if (verb == "measure") widget->beforePaint(FakeMetrics());
    // the questions
    if (verb == "picture" || verb == "paint") return w.size() > 1 ? art(c, n(1), n(2), n(3), n(4)) : art(c);
    if (verb == "value") return "-> " + testpaint::valueText(widget->property(w[1])->get(*widget)) + "\n";
    if (verb == "state") return "-> " + DesignSession::state(*widget) + "\n";
    if (verb == "ink") return answer(countInk(c));
    if (verb == "black") return answer(testpaint::blackIn(c, n(1), n(2), n(3), n(4)));
    if (verb == "pen" && ask) return answer(c.penPos());
    if (verb == "at") return pixelAnswer(Colour(c.at(n(1), n(2))));
    if (verb == "read") return pixelAnswer(c.pixel(n(1), n(2)));
    if (verb == "origin" && ask) return answer(c.origin());
    if (verb == "clip" && ask) return answer(Point{c.clipRect().left, c.clipRect().top}) +
                                      answer(Point{c.clipRect().right, c.clipRect().bottom});
    if (verb == "text" && w[1] == "width") return answer(c.textWidth(after(2)));
    if (verb == "text" && w[1] == "height") return answer(c.textHeight(after(2)));
    return "";
  }
};

TEST(Canvas, Drawings) {
  expectSessions<Drawing>("files-drawing.txt", [](const std::string& line) {
    return isArrowAnswer(line) || (!line.empty() && line.find_first_not_of("#.o") == std::string::npos);
  });
}

TEST(Canvas, ClippedLinesDrawTheSamePixelsAsUnclippedOnes) {
  // Lines drawn on a large canvas and, clipped, on a small window of it must agree pixel for pixel, for
  // any slope, direction and start far outside the window.
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> coord(-300, 500);
  const Rect window{100, 80, 160, 130};
  for (int k = 0; k < 150; ++k) {
    int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    if (k % 7 == 0) x1 = x0 + (y1 - y0);  // exact diagonals
    Canvas big(700, 700), small(160, 130);
    big.setOrigin({300, 300});
    big.line(x0, y0, x1, y1);
    small.setClipRect(window);
    small.line(x0, y0, x1, y1);
    for (int y = window.top; y < window.bottom; ++y)
      for (int x = window.left; x < window.right; ++x)
        ASSERT_EQ(small.at(x, y), big.at(x + 300, y + 300))
            << "line " << x0 << "," << y0 << " - " << x1 << "," << y1 << " at " << x << "," << y;
    EXPECT_EQ(art(small, 0, 0, 100, 80).find('#'), std::string::npos);  // nothing outside the clip
  }
}

TEST(Canvas, OutlinesJustOutsideTheClipDrawNothing) {
  // A frame one pixel outside the clip on every side leaves the clip and all around it untouched; the
  // same frame one pixel in draws all four edges.
  for (int inset : {-1, 0}) {
    Canvas c(30, 30);
    c.brush.style = BrushStyle::Clear;
    c.setClipRect({10, 10, 20, 20});
    c.rectangle(10 + inset, 10 + inset, 20 - inset, 20 - inset);
    int drawn = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) drawn += c.at(x, y) != 0xFFFFFFu;
    EXPECT_EQ(drawn, inset ? 0 : 36) << inset;
  }
}

TEST(Canvas, HugePolygonsCostOnlyTheirVisiblePart) {
  Canvas c(160, 160);
  c.brush.color = kGray;
  c.polygon({{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
  for (int y = 0; y < 160; y += 17)
    for (int x = 0; x < 160; x += 13) ASSERT_EQ(c.at(x, y), 0x808080u);
  // A huge thin diagonal band crossing the canvas: pixels on its centre line are filled.
  Canvas d(100, 100);
  d.pen.style = PenStyle::Clear;
  d.brush.color = kBlack;
  d.polygon({{-1000000000, -1000000000}, {-999999990, -1000000000}, {1000000010, 1000000000},
             {1000000000, 1000000000}});
  for (int i = 0; i < 100; ++i) EXPECT_EQ(d.at(i, i), 0u) << i;
  EXPECT_EQ(d.at(0, 50), 0xFFFFFFu);
}

TEST(Canvas, DrawCopiesAPictureRowForRowClippedToTheCanvas) {
  Canvas src(3, 2);
  src.setPixel(0, 0, kBlack);
  src.setPixel(1, 1, kGray);
  src.setPixel(2, 1, kBlack);
  Canvas c(5, 4);
  c.draw(1, 1, src);
  c.draw(-1, 2, src);  // only the part inside lands
  expectPicture("a picture drawn twice, partly outside", art(c));
}

TEST(Canvas, ScalingRepeatsEachPixelAndStaysWithinBounds) {
  Canvas src(3, 2);
  src.setPixel(0, 0, kBlack);
  src.setPixel(2, 1, kGray);
  expectPicture("a picture scaled by two", art(src.scaled(2)));
  EXPECT_EQ(art(src.scaled(0)), art(src));  // at least once
  EXPECT_EQ(src.scaled(1000).width(), 3 * 64);
  Canvas wide(1000, 1);
  EXPECT_EQ(wide.scaled(33).width(), 32000);  // no side beyond 32768
  EXPECT_EQ(wide.scaled(32).width(), 32000);
  EXPECT_EQ(Canvas(1024, 1).scaled(32).width(), 32768);
}
