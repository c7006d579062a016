// The look of the CControls widgets, pixel by pixel, grouped by widget.
#include <gtest/gtest.h>

#include <tuple>

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

}  // namespace

// Radius 1 and 2 cut one pixel off each corner; radius 4 rounds them with a pixel inside the diagonal; a
// gray line sends odd columns of the horizontal edges and odd rows of the vertical ones back to paper.
TEST(PaintCC, ButtonCornersFollowRadiusAndLine) {
  for (auto [h, radius, line, name] : {std::tuple{6, 0, 1, "button, radius 0"}, {6, 1, 1, "button, radius 1 or 2"},
                                       {6, 2, 1, "button, radius 1 or 2"}, {8, 4, 1, "button, radius 4"},
                                       {6, 0, 2, "button, gray line"}})
    expectPicture(name, art(button(10, h, radius, line)));
  EXPECT_EQ(blackIn(button(10, 8, 4, 0), 0, 0, 10, 8), 0);  // no line: no outline, and no rounding pixels either
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

// Each widget's whole picture in its states, in tests/data/golden/pictures.txt.
TEST(PaintCC, WidgetsInTheirStates) {
  TCCButton b;  // 40 x 14
  b.content = "OK";
  expectPicture("button OK, centred", art(paintAlone(b)));
  b.tag = 3;  // as wide as the text + 7 at its next paint, the text one pixel right of centre
  b.setWidth(100);
  expectPicture("button OK, sized to its text", art(paintAlone(b)));
  EXPECT_EQ(b.width(), fonts().face(kFontStandard).textWidth("OK") + 7);
  TCCButton s;
  s.selected = true;
  s.selectColor = kSelectNavy;
  Canvas sel = paintAlone(s);
  expectPicture("button selected: eight 3 x 3 marks", art(sel));
  EXPECT_EQ(sel.at(19, 0), 0x800000u);

  TCCSwitch sw;  // 32 x 14, radius 0
  sw.content = "On";
  expectPicture("switch off", art(paintAlone(sw)));
  sw.state = 1;
  expectPicture("switch on: inverted, paper text", art(paintAlone(sw)));

  TCCLabel plain;  // style 0 shows only the text, whatever the line; its height is forced at every paint
  plain.style = 0;
  plain.line = 1;
  plain.setHeight(20);
  expectPicture("label style 0, line 1", art(paintAlone(plain)));
  EXPECT_EQ(plain.height(), 13);
  TCCEdit e;  // 32 x 13, style 1, line 2: underlined in gray up to W - 2
  expectPicture("edit underlined in gray", art(paintAlone(e)));
  TCCLabel boxed;  // style 2, line 1
  boxed.content = "I";
  expectPicture("label boxed, I", art(paintAlone(boxed)));
  boxed.alignment = Alignment::Right;
  boxed.content = "MM";
  expectPicture("label boxed, MM right-justified", art(paintAlone(boxed)));

  TCCCheckbox c;
  c.setHeight(20);
  c.content = "Go";
  expectPicture("check box off", art(paintAlone(c)));
  EXPECT_EQ(c.height(), 13);
  c.state = 1;
  expectPicture("check box on: the tick breaks the box", art(paintAlone(c)));

  TCCListBox l;
  l.setBounds(0, 0, 40, 35);  // three rows
  l.items = {"A", "B", "C", "D"};
  l.selectedItem = 0;
  expectPicture("list box, first row selected, more items", art(paintAlone(l)));
  l.selectedItem = 2;
  expectPicture("list box, last row selected: a paper arrow", art(paintAlone(l)));
  l.items.resize(3);
  expectPicture("list box, no more items than rows", art(paintAlone(l)));

  TCCRadio r;
  r.items = {"a", "b", "c"};
  r.setBounds(0, 0, 32, 14);
  r.selectedItem = 1;
  expectPicture("radio, the middle cell selected", art(paintAlone(r)));
  TCCRadio none;  // no items: the frame, and no division by zero
  expectPicture("radio without items", art(paintAlone(none)));

  TCCDropDown d;
  d.items = {"Red", "Green"};
  d.selectedItem = 1;
  expectPicture("drop-down closed", art(paintAlone(d)));
  d.selectedItem = 5;  // not an item: no text
  expectPicture("drop-down closed, no item", art(paintAlone(d)));
  d.testItems = 1;
  d.setVisibleItems(2);
  d.selectedItem = 0;
  expectPicture("drop-down open", art(paintAlone(d)));
  TCCPopUp p;  // always drawn open
  p.items = {"x"};
  expectPicture("pop-up", art(paintAlone(p)));
}

TEST(PaintCC, MenuBarMenuAndScreen) {
  TCCMenuBar bar;
  bar.color = kWhite;
  expectPicture("menu bar", art(paintAlone(bar)));
  TCCMenu m;  // Test 1: shown open
  m.items = {"New", "Open"};
  m.selected = false;
  expectPicture("menu open: cut corner and shadow", art(paintAlone(m)));
  EXPECT_EQ(m.height(), 2 * 11 + 15);
  m.setTest(0);  // the topic on paper, two lines, no items
  expectPicture("menu closed", art(paintAlone(m)));
  TCCForm screen;
  screen.title = "Main";
  Canvas s = paintAlone(screen);
  expectPicture("screen: the title in paper on black, the rule", art(s, 0, 0, 160, 16));
  EXPECT_EQ(blackIn(s, 0, 15, 160, 160), 0);
}

TEST(PaintCC, BitmapStringBits) {
  TCCBitmap b;
  b.color = kWhite;
  EXPECT_EQ(blackIn(paintAlone(b), 0, 0, 20, 20), 0);  // empty: a blank panel
  const struct {
    int w, h;
    const char *bits, *picture;
  } cases[] = {
      {5, 1, "F8", "#####\n"},  // the second digit's three low bits fall beyond the right edge
      {6, 2, "FC84", "######\n#....#\n"},
      {8, 3, "G8 fxyz0", "....#...\n....####\n........\n"},  // other characters count as 0, four pixels each
      {4, 4, "F0F0F0F0", "####\n....\n####\n....\n"},        // eight rows for four: the rest is clipped
  };
  for (const auto& c : cases) {
    b.setBounds(0, 0, c.w, c.h);
    b.stringBits = c.bits;
    EXPECT_EQ(art(paintAlone(b)), c.picture) << c.bits;
  }
  b.setBounds(0, 0, 6, 6);
  b.selected = true;
  b.selectColor = kSelectRed;
  b.stringBits = "";
  EXPECT_EQ(art(paintAlone(b)), "oooooo\noooooo\noooooo\noooooo\noooooo\noooooo\n");
  EXPECT_EQ(paintAlone(b).at(0, 0), 0x0000FFu);
}
