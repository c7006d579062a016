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
