#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "PaintTest.h"

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

}  // namespace

TEST(Canvas, LineCoversStartAndStopsShortOfEnd) {
  Canvas c(8, 6);
  c.line(1, 1, 6, 1);  // horizontal, left to right
  c.line(6, 4, 1, 4);  // right to left
  c.line(0, 0, 0, 3);  // vertical
  c.line(3, 3, 3, 3);  // empty: nothing
  expectPicture("lines each way, and an empty one", art(c, 0, 0, 8, 6));
  EXPECT_EQ(c.penPos(), (Point{3, 3}));

  // A tick as the check boxes draw it: each segment stops short, the next one covers the joint.
  Canvas t(14, 10);
  t.polyline({{4, 6}, {6, 8}, {12, 2}});
  expectPicture("a check box tick", art(t, 0, 0, 14, 10));
}

TEST(Canvas, LinesWithHugeCoordinatesAreClippedExactly) {
  Canvas c(160, 160);
  c.line(INT_MIN, 5, INT_MAX, 5);  // the whole row 5
  c.line(7, INT_MAX, 7, INT_MIN);  // the whole column 7, upwards
  for (int x = 0; x < 160; ++x) EXPECT_EQ(c.at(x, 5), 0u) << x;
  for (int y = 0; y < 160; ++y) EXPECT_EQ(c.at(7, y), 0u) << y;
  EXPECT_EQ(countInk(c), 160 + 159);

  // The exact diagonal of a line from corner to corner of the int range.
  Canvas d(50, 40);
  d.line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(d.at(i, i), 0u) << i;
  EXPECT_EQ(countInk(d), 40);

  // A line that passes beside the canvas draws nothing; so does one through a moved origin far away.
  Canvas e(20, 20);
  e.line(-1000000000, 25, 1000000000, 1000000000);
  e.setOrigin({INT_MAX, INT_MAX});
  e.line(0, 0, 5, 5);
  EXPECT_EQ(countInk(e), 0);
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

TEST(Canvas, ARectanglesEdgesOutsideTheClipStayUnpainted) {
  Canvas cv(6, 6);
  cv.setClipRect({0, 2, 6, 4});
  cv.pen = {kBlack, PenStyle::Solid};
  cv.brush.style = BrushStyle::Clear;
  cv.rectangle(0, 0, 6, 6);
  EXPECT_EQ(art(cv), "......\n......\n#....#\n#....#\n......\n......\n");
}

TEST(Canvas, PolygonFillsInsideAndOutlinesEveryEdge) {
  Canvas c(8, 7);
  c.brush.color = kGray;
  c.polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
  expectPicture("a polygon, outlined and filled", art(c, 0, 0, 8, 7));

  // Without a pen the fill leaves out the right and bottom edges.
  Canvas n(8, 7);
  n.pen.style = PenStyle::Clear;
  n.brush.color = kGray;
  n.polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
  expectPicture("a polygon without a pen", art(n, 0, 0, 8, 7));

  // A down arrow as the drop-downs draw it, filled black.
  Canvas a(10, 10);
  a.brush.color = kBlack;
  a.polygon({{1, 5}, {8, 5}, {5, 8}, {4, 8}});
  expectPicture("a down arrow polygon", art(a, 0, 4, 10, 10));

  // One row and one column thick: the pen still shows them; a hollow brush leaves the inside alone.
  Canvas t(8, 8, kGray);
  t.brush.style = BrushStyle::Clear;
  t.polygon({{1, 1}, {6, 1}, {6, 1}, {1, 1}});
  t.polygon({{0, 3}, {0, 3}, {0, 6}, {0, 6}});
  t.polygon({{2, 3}, {4, 3}, {4, 6}, {2, 6}});
  expectPicture("polygons one pixel thin, hollow", art(t, 0, 0, 8, 8));

  // Even-odd: where the outline runs round a square twice, the square stays empty.
  Canvas e(9, 9);
  e.pen.style = PenStyle::Clear;
  e.brush.color = kBlack;
  e.polygon({{0, 0}, {9, 0}, {9, 9}, {0, 9}, {0, 3}, {6, 3}, {6, 6}, {3, 6}, {3, 0}});
  expectPicture("an outline round a square twice, filled even-odd", art(e));
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

TEST(Canvas, RectangleExcludesRightAndBottom) {
  Canvas c(7, 6);
  c.brush.color = kGray;
  c.rectangle(1, 1, 6, 5);
  expectPicture("a rectangle, outlined and filled", art(c, 0, 0, 7, 6));
  Canvas n(7, 6);
  n.pen.style = PenStyle::Clear;
  n.brush.color = kGray;
  n.rectangle(1, 1, 6, 5);  // one pixel smaller without a pen
  n.fillRect({0, 5, 2, 6}, kBlack);  // exactly the rectangle
  expectPicture("a rectangle without a pen, and a fill", art(n, 0, 0, 7, 6));
  // Dotted, the pattern runs on around the corners, and nothing falls outside.
  Canvas h(11, 7, kGray);
  h.brush.style = BrushStyle::Clear;
  h.pen.style = PenStyle::Dot;
  h.rectangle(1, 1, 8, 4);
  expectPicture("a dotted rectangle", art(h));
}

TEST(Canvas, OriginAndClipConfineAControl) {
  Canvas c(20, 20);
  Canvas::State outer = c.state();
  c.enter(5, 6, 4, 3);  // a 4 x 3 control at (5, 6)
  c.fillRect({-100, -100, 100, 100}, kBlack);
  c.setPixel(0, 0, kGray);
  EXPECT_EQ(c.pixel(0, 0), kGray);
  EXPECT_EQ(c.pixel(4, 0), kInvalidColour);  // outside the control
  EXPECT_EQ(c.pixel(-1, 0), kInvalidColour);
  c.enter(2, 1, 10, 10);  // a child sticking out of its parent is cut at the parent's edge
  c.fillRect({0, 0, 10, 10}, 0x0000FF);
  c.restore(outer);
  EXPECT_EQ(c.origin(), (Point{0, 0}));
  EXPECT_EQ(c.clipRect(), (Rect{0, 0, 20, 20}));
  expectPicture("a control and its child, clipped", art(c, 4, 5, 10, 10));
  EXPECT_EQ(countInk(c), 12);
  c.setClipRect({-5, 18, 100, 1000});
  EXPECT_EQ(c.clipRect(), (Rect{0, 18, 20, 20}));
}

TEST(Canvas, ColoursAreStoredAsBgr) {
  Canvas c(3, 1);
  c.setPixel(0, 0, 0x1F5F8F7F);            // the widgets' first colour: the top byte does not draw
  c.setPixel(1, 0, Colour(0x80000008));    // the window text system colour is black
  c.setPixel(2, 0, 0x0000FF);              // red
  EXPECT_EQ(c.at(0, 0), 0x5F8F7Fu);
  EXPECT_EQ(c.at(1, 0), 0u);
  EXPECT_EQ(c.pixel(2, 0), 0x0000FF);
}

TEST(Canvas, TextIsDrawnInTheFontColourOverAnOptionalCell) {
  FontSet fonts;
  ASSERT_TRUE(fonts.load(TW_DATA_DIR).empty());
  Canvas c(60, 20, kGray);
  c.setFont(fonts.face("PilotStandard"));
  EXPECT_EQ(c.textHeight(""), 11);
  EXPECT_EQ(c.textWidth("OK"), 13);
  c.brush.style = BrushStyle::Clear;
  c.fontColor = kBlack;
  c.textOut(1, 1, "OK");  // a clear brush: only the ink changes, in the font colour
  // A solid brush: the cell, text width by line height, takes the brush colour first.
  c.brush = {kWhite, BrushStyle::Solid};
  c.fontColor = 0x0000FF;
  c.textOut(30, 2, "OK");
  expectPicture("OK clear, and OK on a paper cell", art(c));
  EXPECT_EQ(c.at(43, 12), 0x808080u);
  // text far outside, or cut by the clip, draws only what is inside
  c.brush.style = BrushStyle::Clear;
  c.textOut(INT_MIN, INT_MAX, "far away");
  c.textOut(INT_MAX - 3, 0, "far away");
  Canvas d(5, 5);
  d.textOut(-3, -4, "W");
  EXPECT_LE(countInk(d), 25);
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
