// The look of the CControls widgets, pixel by pixel, grouped by widget.
#include <gtest/gtest.h>

#include "PaintTest.h"
#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCCheckbox.h"
#include "ccontrols/CCDropDown.h"
#include "ccontrols/CCEdit.h"
#include "model/CCForm.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
#include "ccontrols/CCRadio.h"
#include "ccontrols/CCSwitch.h"

using namespace tw;
using namespace tw::testpaint;

namespace {

Canvas button(int w, int h, int radius, int line) {
  TCCButton b;
  b.setBounds(0, 0, w, h);
  b.radius = radius;
  b.line = line;
  return paintAlone(b);
}

// The leftmost column with a black pixel inside rows y0..y1-1 and columns x0..x1-1; -1 when none.
int firstInkColumn(const Canvas& cv, int x0, int y0, int x1, int y1) {
  for (int x = x0; x < x1; ++x)
    if (blackIn(cv, x, y0, x + 1, y1)) return x;
  return -1;
}

}  // namespace

TEST(PaintCC, ButtonCornersFollowRadiusAndLine) {
  EXPECT_EQ(art(button(10, 6, 0, 1)),
            "##########\n"
            "#........#\n"
            "#........#\n"
            "#........#\n"
            "#........#\n"
            "##########\n");
  // Radius 1 and 2 cut one pixel off each corner.
  const std::string cut =
      ".########.\n"
      "#........#\n"
      "#........#\n"
      "#........#\n"
      "#........#\n"
      ".########.\n";
  EXPECT_EQ(art(button(10, 6, 1, 1)), cut);
  EXPECT_EQ(art(button(10, 6, 2, 1)), cut);
  // Radius 4 with a black line rounds the corners with a pixel inside the diagonal.
  EXPECT_EQ(art(button(10, 8, 4, 1)),
            "...####...\n"
            ".##....##.\n"
            ".#......#.\n"
            "#........#\n"
            "#........#\n"
            ".#......#.\n"
            ".##....##.\n"
            "...####...\n");
  // No line: no outline, and no rounding pixels either.
  EXPECT_EQ(blackIn(button(10, 8, 4, 0), 0, 0, 10, 8), 0);
  // A gray line: odd columns of the horizontal edges and odd rows of the vertical ones go back to paper.
  EXPECT_EQ(art(button(10, 6, 0, 2)),
            "#.#.#.#.#.\n"
            "..........\n"
            "#........#\n"
            "..........\n"
            "#........#\n"
            "..#.#.#.#.\n");
}

TEST(PaintCC, ARadiusFromAFileBeyondAnyPanelCutsLikeTheLargestOne) {
  // Any 32-bit Edge can be read back; the corner arithmetic must not overflow on the extremes.
  EXPECT_EQ(art(button(10, 6, 2147483647, 2)), art(button(10, 6, 32767, 2)));
  TCCSwitch low, lowest;
  low.radius = -32768;
  lowest.radius = -2147483647 - 1;
  low.state = lowest.state = 1;
  EXPECT_EQ(art(paintAlone(lowest)), art(paintAlone(low)));
}

TEST(PaintCC, ButtonTextAutoWidthAndSelectionMarks) {
  TCCButton b;  // 40 x 14
  b.content = "OK";
  Canvas plain = paintAlone(b);
  const int textW = fonts().face(kFontStandard).textWidth("OK");
  // centred text
  EXPECT_EQ(firstInkColumn(plain, 2, 2, 38, 12), (40 - textW) / 2 + fonts().face(kFontStandard).glyph('O').left);

  // Tag 3: as wide as the text + 7 at its next paint, the text one pixel further right than centred.
  TCCButton a;
  a.content = "OK";
  a.tag = 3;
  a.setWidth(100);
  Canvas autoW = paintAlone(a);
  EXPECT_EQ(a.width(), textW + 7);
  TCCButton same;
  same.content = "OK";
  same.setWidth(textW + 7);
  Canvas centred = paintAlone(same);
  EXPECT_EQ(firstInkColumn(autoW, 2, 2, textW + 5, 12), firstInkColumn(centred, 2, 2, textW + 5, 12) + 1);

  // A selected 40 x 14 button: eight 3 x 3 marks, the middle ones at x = 19 and y = 6.
  TCCButton s;
  s.selected = true;
  s.selectColor = kSelectNavy;
  Canvas sel = paintAlone(s);
  const uint32_t navy = 0x800000;
  for (auto [mx, my] : {std::pair{0, 0}, {19, 0}, {37, 0}, {37, 6}, {37, 11}, {19, 11}, {0, 11}, {0, 6}})
    for (int dy = 0; dy < 3; ++dy)
      for (int dx = 0; dx < 3; ++dx) EXPECT_EQ(sel.at(mx + dx, my + dy), navy) << mx + dx << "," << my + dy;
  EXPECT_NE(sel.at(22, 0), navy);
  EXPECT_NE(sel.at(0, 9), navy);
}

TEST(PaintCC, SwitchOnIsInvertedWithPaperText) {
  TCCSwitch s;  // 32 x 14, radius 0
  s.content = "On";
  Canvas off = paintAlone(s);
  EXPECT_TRUE(isWhite(off, 5, 2));
  EXPECT_GT(blackIn(off, 1, 1, 31, 13), 0);  // black text

  s.state = 1;
  Canvas on = paintAlone(s);
  expectPixels(on, {{1, 1, '#'}, {5, 2, '#'}});
  int paperInside = 0;
  for (int y = 1; y < 13; ++y)
    for (int x = 1; x < 31; ++x) paperInside += isWhite(on, x, y);
  EXPECT_EQ(paperInside, blackIn(off, 1, 1, 31, 13));  // the text, now in the paper colour
}

TEST(PaintCC, LabelAndEditFramesAndText) {
  // Style 0 shows only the text, whatever the line.
  TCCLabel plain;
  plain.style = 0;
  plain.line = 1;
  plain.setHeight(20);
  Canvas empty = paintAlone(plain);
  EXPECT_EQ(plain.height(), 13);  // forced at every paint
  EXPECT_EQ(blackIn(empty, 0, 0, 32, 13), 0);

  // Underlined with a gray line: pixels 0 and 1 and every odd one are paper; the line stops at W - 2.
  TCCEdit e;  // 32 x 13, Style 1, Line 2
  Canvas under = paintAlone(e);
  EXPECT_EQ(art(under, 0, 12, 32, 13), "..#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.\n");
  EXPECT_EQ(blackIn(under, 0, 0, 32, 12), 0);

  // Boxed with a black line: the full rectangle; the text 2 pixels from the left and vertically centred.
  TCCLabel boxed;  // Style 2, Line 1
  boxed.content = "I";
  Canvas box = paintAlone(boxed);
  EXPECT_EQ(blackIn(box, 0, 0, 32, 1), 32);
  EXPECT_EQ(blackIn(box, 0, 12, 32, 13), 32);
  EXPECT_EQ(blackIn(box, 0, 0, 1, 13), 13);
  EXPECT_EQ(blackIn(box, 31, 0, 32, 13), 13);
  const int ink = firstInkColumn(box, 1, 1, 31, 12);
  EXPECT_GE(ink, 2);
  EXPECT_LE(ink, 3);

  // Right-justified: the text ends 2 pixels before the right edge.
  boxed.alignment = Alignment::Right;
  boxed.content = "MM";
  Canvas right = paintAlone(boxed);
  int last = -1;
  for (int x = 1; x < 31; ++x)
    if (blackIn(right, x, 1, x + 1, 12)) last = x;
  EXPECT_LE(last, 29);
  EXPECT_GE(last, 27);
}

TEST(PaintCC, CheckBoxTickAndHeight) {
  TCCCheckbox c;
  c.setHeight(20);
  c.content = "Go";
  Canvas off = paintAlone(c);
  EXPECT_EQ(c.height(), 13);
  // (6, 8): no tick
  expectPixels(off, {{2, 3, '#'}, {8, 3, '#'}, {6, 8, '.'}, {10, 4, '.'}});
  EXPECT_GT(blackIn(off, 13, 1, 58, 12), 0);  // the text at x = 13

  c.state = 1;
  Canvas on = paintAlone(c);
  // (12, 1): polylines stop short of their last point
  // (8, 3): the tick breaks the box outline
  expectPixels(on, {{6, 8, '#'}, {10, 4, '#'}, {11, 2, '#'}, {12, 1, '.'}, {8, 3, '.'}, {9, 6, '.'}});
}

TEST(PaintCC, ListBoxRowsAndMoreItemsArrow) {
  TCCListBox l;
  l.setBounds(0, 0, 40, 35);  // three rows
  l.items = {"A", "B", "C", "D"};
  l.selectedItem = 0;
  Canvas first = paintAlone(l);
  // (1, 1): row 0 inverted
  // (30, 12): row 1 paper
  expectPixels(first, {{1, 1, '#'}, {38, 11, '#'}, {30, 12, '.'}});
  EXPECT_EQ(blackIn(first, 0, 34, 40, 35), 40);  // the frame's bottom stays whole under the rows
  const int x0 = 40 - 7, y0 = 35 - 9;
  // (x0 + 1, y0 + 4): the arrow, black on a paper row
  expectPixels(first, {{x0 + 1, y0 + 4, '#'}, {x0 + 1, y0 + 1, '#'}});

  // The selected row is the last visible one: the arrow is drawn in the paper colour on it.
  l.selectedItem = 2;
  Canvas last = paintAlone(l);
  expectPixels(last, {{x0 + 1, y0 + 4, '.'}, {x0 + 1, y0 + 1, '.'}, {x0 + 4, y0 + 1, '#'}});

  l.items.resize(3);  // no more items than rows: no arrow
  Canvas fits = paintAlone(l);
  EXPECT_TRUE(isBlack(fits, x0 + 1, y0 + 4));
}

TEST(PaintCC, RadioCellsAndAnEmptyGroup) {
  TCCRadio r;
  r.items = {"a", "b", "c"};
  r.setBounds(0, 0, 32, 14);
  r.selectedItem = 1;
  Canvas cv = paintAlone(r);
  // cells of 10 pixels sharing their borders: 0..10, 10..20, 20..30
  for (int x : {0, 10, 20, 30}) EXPECT_TRUE(isBlack(cv, x, 7)) << x;
  // (11, 1): the selected cell is filled
  expectPixels(cv, {{31, 7, '.'}, {11, 1, '#'}, {1, 1, '.'}});
  EXPECT_GT(blackIn(cv, 1, 1, 10, 13), 0);  // black text in a paper cell

  TCCRadio none;  // no items: the frame, and no division by zero
  Canvas empty = paintAlone(none);
  expectPixels(empty, {{0, 0, '#'}, {30, 13, '#'}});
}

TEST(PaintCC, DropDownClosedAndOpenAndPopUp) {
  TCCDropDown d;
  d.items = {"Red", "Green"};
  d.selectedItem = 1;
  Canvas closed = paintAlone(d);
  EXPECT_EQ(art(closed, 0, 4, 10, 10),
            "..........\n"
            ".########.\n"
            "..######..\n"
            "...####...\n"
            "....##....\n"
            "..........\n");
  EXPECT_GT(blackIn(closed, 12, 1, 35, 12), 0);
  d.selectedItem = 5;  // not an item: no text
  EXPECT_EQ(blackIn(paintAlone(d), 10, 0, 35, 14), 0);

  d.testItems = 1;
  d.setVisibleItems(2);
  d.selectedItem = 0;
  Canvas open = paintAlone(d);
  // (0, 0): cut corner
  // (34, 2): shadow
  // (5, 1): row 0 inverted
  expectPixels(open, {{0, 0, '.'}, {1, 0, '#'}, {34, 2, '#'}, {5, 1, '#'}, {30, 14, '.'}});

  TCCPopUp p;  // always drawn open
  p.items = {"x"};
  Canvas pop = paintAlone(p);
  expectPixels(pop, {{1, 0, '#'}, {0, 0, '.'}});
}

TEST(PaintCC, MenuBarMenuAndScreen) {
  TCCMenuBar bar;
  bar.color = kWhite;
  Canvas b = paintAlone(bar);
  // (159, 11): lines stop one pixel short
  expectPixels(b, {{0, 0, '.'}, {1, 0, '#'}, {158, 1, '#'}, {159, 2, '#'}, {159, 11, '.'}, {2, 14, '#'},
                {156, 14, '.'}});

  TCCMenu m;  // Test 1: shown open
  m.items = {"New", "Open"};
  m.selected = false;
  Canvas open = paintAlone(m);
  EXPECT_EQ(m.height(), 2 * 11 + 15);
  const int t = m.topicWidth(), u = m.userWidth(), h = m.height();
  expectPixels(open, {{1, 0, '#'}, {t, 13, '#'}, {t + 1, 5, '.'}});
  EXPECT_GT(blackIn(open, 1, 14, u - 2, 25), 0);  // the first item
  // (u - 2, h - 2): cut corner
  // (u - 1, 20): shadow
  expectPixels(open, {{0, 20, '#'}, {u - 2, h - 3, '#'}, {u - 2, h - 2, '.'}, {u - 1, 20, '#'},
                {5, h - 1, '#'}});

  m.setTest(0);  // the topic on paper, two lines, no items
  Canvas shut = paintAlone(m);
  EXPECT_EQ(blackIn(shut, 0, 13, m.width(), 15), 2 * m.width());
  EXPECT_EQ(blackIn(shut, 0, 15, m.width(), h), 0);
  EXPECT_TRUE(isWhite(shut, 1, 0));
  EXPECT_GT(blackIn(shut, 4, 1, t, 12), 0);

  TCCForm screen;
  screen.title = "Main";
  Canvas s = paintAlone(screen);
  EXPECT_EQ(blackIn(s, 0, 13, 160, 15), 320);  // the rule
  EXPECT_EQ(blackIn(s, 0, 15, 160, 160), 0);
  const int right = fonts().face(kFontBold).textWidth("Main") + 4;
  expectPixels(s, {{0, 12, '#'}, {right, 12, '#'}, {right + 1, 5, '.'}});
  int paper = 0;
  for (int y = 2; y < 12; ++y)
    for (int x = 3; x < right; ++x) paper += isWhite(s, x, y);
  EXPECT_GT(paper, 10);  // the title in the paper colour
}

TEST(PaintCC, BitmapStringBits) {
  TCCBitmap b;
  b.color = kWhite;
  EXPECT_EQ(blackIn(paintAlone(b), 0, 0, 20, 20), 0);  // empty: a blank panel

  b.setBounds(0, 0, 5, 1);
  b.stringBits = "F8";  // the second digit's three low bits fall beyond the right edge
  EXPECT_EQ(art(paintAlone(b)), "#####\n");

  b.setBounds(0, 0, 6, 2);
  b.stringBits = "FC84";
  EXPECT_EQ(art(paintAlone(b)), "######\n#....#\n");

  b.setBounds(0, 0, 8, 3);
  b.stringBits = "G8 fxyz0";  // other characters count as 0 and still take their four pixels
  EXPECT_EQ(art(paintAlone(b)), "....#...\n....####\n........\n");

  b.setBounds(0, 0, 4, 4);
  b.stringBits = "F0F0F0F0";  // eight rows for four: the rest is clipped
  EXPECT_EQ(art(paintAlone(b)), "####\n....\n####\n....\n");

  b.setBounds(0, 0, 6, 6);
  b.selected = true;
  b.selectColor = kSelectRed;
  b.stringBits = "";
  EXPECT_EQ(art(paintAlone(b)), "oooooo\noooooo\noooooo\noooooo\noooooo\noooooo\n");
  EXPECT_EQ(paintAlone(b).at(0, 0), 0x0000FFu);
}
