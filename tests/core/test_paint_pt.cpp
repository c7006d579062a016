// The look of the PToolboxLib widgets, pixel by pixel, grouped by widget.
#include <gtest/gtest.h>

#include "PaintTest.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTCheckBox.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTGsi.h"
#include "ptoolbox/PTLabel.h"
#include "ptoolbox/PTList.h"
#include "ptoolbox/PTPopTrigger.h"

using namespace tw;
using namespace tw::testpaint;

namespace {

const BitmapFont& standard() { return fonts().face(kFontStandard); }

// A field's expected picture: the given lines of text at x (or right-justified), then the dotted underlines.
Canvas fieldPicture(int w, int h, const std::vector<std::string>& lines, bool right = false, bool dots = true) {
  Canvas cv(w, h);
  cv.setFont(standard());
  cv.brush.style = BrushStyle::Clear;
  for (size_t i = 0; i < lines.size(); ++i)
    cv.textOut(right ? w - cv.textWidth(lines[i]) : 0, int(i) * 11, lines[i]);
  for (int y = 10; dots && y < h; y += 11)
    for (int x = 1; x < w; x += 2) cv.setPixel(x, y, kBlack);
  return cv;
}

}  // namespace

TEST(PaintPT, ButtonFrames) {
  TPTButton b;  // 40 x 14, Frame 0
  Canvas round = paintAlone(b);
  expectPixels(round, {{2, 2, '#'}, {37, 11, '#'}, {37, 2, '#'}, {2, 11, '#'}, {1, 1, '.'}, {4, 1, '#'},
                {1, 4, '#'}});
  EXPECT_EQ(blackIn(round, 0, 0, 40, 1), 0);  // the 2-pixel margin: row 0 is left to the bold frame
  // the text, centred
  const int textW = standard().textWidth("Button");
  int first = -1;
  for (int x = 3; x < 37 && first < 0; ++x)
    if (blackIn(round, x, 3, x + 1, 11)) first = x;
  EXPECT_EQ(first, (40 - textW) / 2 + standard().glyph('B').left);

  b.frame = 2;  // a plain rectangle from (1, 1) to (38, 12)
  Canvas square = paintAlone(b);
  EXPECT_EQ(blackIn(square, 0, 1, 40, 2), 38);
  expectPixels(square, {{1, 1, '#'}, {38, 12, '#'}, {2, 2, '.'}, {39, 12, '.'}});
  EXPECT_EQ(blackIn(square, 1, 1, 2, 13), 12);

  b.frame = 3;  // only the text
  Canvas bare = paintAlone(b);
  EXPECT_EQ(blackIn(bare, 0, 0, 40, 3), 0);
  EXPECT_EQ(blackIn(bare, 0, 0, 3, 14), 0);
  EXPECT_EQ(blackIn(bare, 0, 3, 40, 11), blackIn(round, 3, 3, 37, 11));

  b.frame = 1;  // bold: two pixels, larger corners
  Canvas bold = paintAlone(b);
  // (39, 5): lines stop one pixel short
  expectPixels(bold, {{5, 0, '#'}, {33, 0, '#'}, {34, 0, '.'}, {0, 6, '#'}, {1, 7, '#'}, {38, 5, '#'},
                {39, 5, '.'}, {5, 13, '#'}, {0, 0, '.'}});
}

TEST(PaintPT, DialogFrameOnlyWhenShown) {
  TPTDialog d;
  d.setBounds(0, 0, 60, 40);
  d.title = "Hi";
  d.tag = 0;
  EXPECT_EQ(blackIn(paintAlone(d), 0, 0, 60, 40), 0);

  d.tag = 1;
  Canvas cv = paintAlone(d);
  // (2, 37): the inner corners
  expectPixels(cv, {{1, 0, '.'}, {2, 0, '#'}, {57, 0, '#'}, {58, 0, '.'}, {0, 2, '#'}, {1, 37, '#'},
                {0, 38, '.'}, {2, 37, '#'}, {57, 37, '#'}, {2, 39, '#'}, {3, 20, '.'}});
  // the title bar, the title in the paper colour inside it, centred + 1
  expectPixels(cv, {{2, 2, '#'}, {57, 13, '#'}, {2, 14, '.'}});
  const int tw = fonts().face(kFontBold).textWidth("Hi"), x = (60 - tw) / 2 + 1;
  int paper = 0;
  for (int y = 2; y < 13; ++y)
    for (int px = 2; px < 58; ++px) paper += isWhite(cv, px, y) ? (px >= x && px < x + tw ? 1 : 100) : 0;
  EXPECT_GT(paper, 5);
  EXPECT_LT(paper, 100);
}

TEST(PaintPT, FieldUnderlinesAndWrapping) {
  TPTEdit e;  // 32 x 15: one line, underlined
  EXPECT_EQ(art(paintAlone(e)), art(fieldPicture(32, 15, {"Edit"})));
  e.underline = 1;
  EXPECT_EQ(art(paintAlone(e)), art(fieldPicture(32, 15, {"Edit"}, false, false)));

  // Right-justified: blanks trimmed, the text against the right edge.
  e.underline = 0;
  e.justification = 1;
  e.text = " Hi ";
  EXPECT_EQ(art(paintAlone(e)), art(fieldPicture(32, 15, {"Hi"}, true)));

  // A multi-line text too wide for the field wraps at the last blank of what fits.
  TPTEdit m;
  m.text = "ab cd ef";
  const int w = standard().textWidth("ab cd") + 1;
  m.setBounds(0, 0, w, 34);  // three lines
  EXPECT_EQ(art(paintAlone(m)), art(fieldPicture(w, 34, {"ab", "cd ef"})));
  // "ab ab" fits exactly, but the break is at the last blank inside what fits.
  m.text = "ab ab ab ab ab ab ab";
  EXPECT_EQ(art(paintAlone(m)), art(fieldPicture(w, 34, {"ab", "ab", "ab"})));

  // A word wider than the field: no text at all, only the dots.
  m.text = "Wonderfully";
  EXPECT_GT(standard().textWidth(m.text), w);
  EXPECT_EQ(art(paintAlone(m)), art(fieldPicture(w, 34, {})));
  // A single-line field shows a too wide text anyway, clipped.
  m.singleLine = 1;
  EXPECT_GT(blackIn(paintAlone(m), 0, 0, w, 10), 0);
  EXPECT_EQ(blackIn(paintAlone(m), 0, 11, w, 34), 0);  // one line only
}

TEST(PaintPT, CheckBoxAndPopTrigger) {
  TPTCheckbox c;  // 58 x 13: t = 1
  c.content = "Go";
  Canvas off = paintAlone(c);
  expectPixels(off, {{3, 4, '#'}, {10, 11, '#'}, {9, 4, '#'}, {7, 9, '.'}});
  EXPECT_GT(blackIn(off, 18, 2, 58, 13), 0);
  EXPECT_EQ(blackIn(off, 11, 0, 18, 13), 0);

  c.state = 1;
  Canvas on = paintAlone(c);
  expectPixels(on, {{7, 9, '#'}, {12, 3, '#'}, {9, 4, '.'}, {10, 7, '.'}});

  TPTPopTrigger p;  // 35 x 15: t = 2
  Canvas pop = paintAlone(p);
  EXPECT_EQ(art(pop, 2, 6, 12, 10),
            ".########.\n"
            "..######..\n"
            "...####...\n"
            "....##....\n");
  EXPECT_GT(blackIn(pop, 15, 2, 35, 13), 0);
}

TEST(PaintPT, LabelSizesItselfToItsText) {
  TPTLabel l;
  Canvas empty = paintAlone(l);
  EXPECT_EQ(l.width(), 1);
  EXPECT_EQ(l.height(), 11);
  EXPECT_EQ(blackIn(empty, 0, 0, 1, 11), 0);
  l.content = "Hello";
  l.setBounds(0, 0, 90, 40);
  Canvas cv = paintAlone(l);
  EXPECT_EQ(l.width(), standard().textWidth("Hello") + 1);
  EXPECT_EQ(l.height(), 11);
  Canvas ref(l.width(), 11);
  ref.setFont(standard());
  ref.textOut(0, 0, "Hello");
  EXPECT_EQ(art(cv), art(ref));
}

TEST(PaintPT, ListRowsArrowAndFrames) {
  TPTList l;  // 35 x 25, MaxItems 2
  l.items = {"a", "b", "c"};
  l.selectedItem = 1;
  Canvas cv = paintAlone(l);
  EXPECT_EQ(l.height(), 25);
  // (1, 1): row 0 paper
  // (1, 12): row 1 inverted
  expectPixels(cv, {{1, 1, '.'}, {1, 12, '#'}, {32, 22, '#'}, {33 - 1, 11, '.'}});
  // the arrow of more items, in the paper colour on the selected last row
  const int x0 = 35 - 8, y0 = 25 - 10;
  expectPixels(cv, {{x0 + 1, y0 + 1, '.'}, {x0 + 1, y0 + 5, '.'}, {x0 + 3, y0 + 3, '.'}});
  // stand-alone frame and the paper line under it
  expectPixels(cv, {{0, 0, '#'}, {33, 0, '#'}, {34, 0, '.'}});
  EXPECT_EQ(blackIn(cv, 0, 23, 35, 24), 34);
  EXPECT_EQ(blackIn(cv, 0, 24, 35, 25), 0);

  l.selectedItem = 0;  // the arrow in black on a paper row
  Canvas black = paintAlone(l);
  expectPixels(black, {{x0 + 1, y0 + 1, '#'}, {x0 + 1, y0 + 5, '#'}});

  l.setTrigger("popTrigger1");  // opened by a trigger: cut corners and a shadow
  EXPECT_EQ(l.style, 1);
  Canvas pop = paintAlone(l);
  expectPixels(pop, {{0, 0, '.'}, {1, 0, '#'}, {34, 2, '#'}, {34, 21, '#'}, {34, 22, '.'}});
  EXPECT_EQ(blackIn(pop, 0, 24, 35, 25), 30);  // x = 2 .. 31
  EXPECT_TRUE(isWhite(pop, 33, 23));

  // A list read with a large font corrects its row height at its first paint.
  TPTList large;
  large.font.name = kFontLarge;
  large.setMaxItems(3);
  EXPECT_EQ(large.height(), 36);
  paintAlone(large);
  EXPECT_EQ(large.rowHeight(), 14);
  EXPECT_EQ(large.height(), 45);
}

TEST(PaintPT, ShiftIndicatorKeepsItsSizeAndMarks) {
  TPTGsi g;
  g.setBounds(0, 0, 20, 20);
  g.selected = true;
  g.selectColor = kSelectBlue;
  Canvas cv = paintAlone(g);
  EXPECT_EQ(g.width(), 8);
  EXPECT_EQ(g.height(), 9);
  EXPECT_EQ(art(cv),
            "oo.##.oo\n"
            "oo####oo\n"
            ".######.\n"
            "########\n"
            "..####..\n"
            "..####..\n"
            "..####..\n"
            "oo####oo\n"
            "oo####oo\n");
}
