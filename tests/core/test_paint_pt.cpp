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

}  // namespace

// Each widget's whole picture in its states, in tests/data/golden/pictures.txt.
TEST(PaintPT, WidgetsInTheirStates) {
  TPTButton b;  // 40 x 14, a 2-pixel margin left to the bold frame
  for (auto [frame, name] : {std::pair{0, "PT button, frame 0: round"}, {1, "PT button, frame 1: bold"},
                             {2, "PT button, frame 2: a rectangle"}, {3, "PT button, frame 3: only the text"}}) {
    b.frame = frame;
    expectPicture(name, art(paintAlone(b)));
  }

  TPTDialog d;
  d.setBounds(0, 0, 60, 40);
  d.title = "Hi";
  d.tag = 0;
  EXPECT_EQ(blackIn(paintAlone(d), 0, 0, 60, 40), 0);
  d.tag = 1;
  expectPicture("PT dialog shown: the title in paper on its bar", art(paintAlone(d)));

  TPTCheckbox c;  // 58 x 13
  c.content = "Go";
  expectPicture("PT check box off", art(paintAlone(c)));
  c.state = 1;
  expectPicture("PT check box on", art(paintAlone(c)));
  TPTPopTrigger p;  // 35 x 15
  expectPicture("PT pop-up trigger", art(paintAlone(p)));

  TPTList l;  // 35 x 25, MaxItems 2
  l.items = {"a", "b", "c"};
  l.selectedItem = 1;
  expectPicture("PT list, last row selected: a paper arrow", art(paintAlone(l)));
  EXPECT_EQ(l.height(), 25);
  l.selectedItem = 0;
  expectPicture("PT list, first row selected", art(paintAlone(l)));
  l.setTrigger("popTrigger1");  // opened by a trigger: cut corners and a shadow
  EXPECT_EQ(l.style, 1);
  expectPicture("PT list opened by a trigger", art(paintAlone(l)));
}

// Fields: the text over dotted underlines, one every line of 11 pixels.
TEST(PaintPT, FieldUnderlinesAndWrapping) {
  TPTEdit e;  // 32 x 15: one line, underlined
  expectPicture("PT field, underlined", art(paintAlone(e)));
  e.underline = 1;
  expectPicture("PT field, no underline", art(paintAlone(e)));
  e.underline = 0;
  e.justification = 1;
  e.text = " Hi ";
  expectPicture("PT field, right-justified: blanks trimmed", art(paintAlone(e)));

  TPTEdit m;  // three lines, as wide as "ab cd"
  m.setBounds(0, 0, standard().textWidth("ab cd") + 1, 34);
  for (auto [text, name] : {std::pair{"ab cd ef", "PT field wraps at the last blank of what fits"},
                            {"ab ab ab ab ab ab ab", "PT field wraps at a blank inside what fits"},
                            {"Wonderfully", "PT field, a word wider than it: only the dots"}}) {
    m.text = text;
    expectPicture(name, art(paintAlone(m)));
  }
  m.singleLine = 1;
  expectPicture("PT field, single line: the wide word clipped", art(paintAlone(m)));
}

TEST(PaintPT, LabelSizesItselfToItsText) {
  TPTLabel l;
  Canvas empty = paintAlone(l);
  EXPECT_EQ(l.width(), 1);
  EXPECT_EQ(l.height(), 11);
  EXPECT_EQ(blackIn(empty, 0, 0, 1, 11), 0);
  l.content = "Hello";
  l.setBounds(0, 0, 90, 40);
  expectPicture("PT label Hello", art(paintAlone(l)));
  EXPECT_EQ(l.width(), standard().textWidth("Hello") + 1);
  EXPECT_EQ(l.height(), 11);
}

TEST(PaintPT, ListRowsFollowTheFont) {
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
  expectPicture("shift indicator, selected", art(cv));
}
