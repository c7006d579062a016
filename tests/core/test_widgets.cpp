// The geometry rules and setters of the widget classes.
#include <gtest/gtest.h>

#include <set>

#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCCheckbox.h"
#include "ccontrols/CCDropDown.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
#include "ccontrols/CCRadio.h"
#include "graphics/TextMetrics.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTCheckBox.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTList.h"

using namespace tw;

namespace {
// 5 pixels a character, 11 high (14 in PilotLarge); empty text has no height.
struct FakeMetrics : TextMetrics {
  int textWidth(const Font&, std::string_view t) const override { return int(t.size()) * 5; }
  int textHeight(const Font& f, std::string_view t) const override {
    return t.empty() ? 0 : f.name == kFontLarge ? 14 : 11;
  }
};
}  // namespace

TEST(Widgets, CControlsUserGeometryLiesOnePixelInside) {
  TCCButton b;
  b.setLeft(9);
  EXPECT_EQ(b.userLeft(), 10);
  b.setUserTop(20);
  EXPECT_EQ(b.top(), 19);
  b.setUserHeight(30);
  EXPECT_EQ(b.height(), 32);

  TCCDropDown d;
  d.setUserWidth(40);
  EXPECT_EQ(d.width(), 43);

  TCCRadio r;
  r.items = {"a", "b", "c"};
  r.setUserWidth(31);
  EXPECT_EQ(r.width(), 32);
  EXPECT_EQ(r.userWidth(), 30);
  r.items.clear();
  r.setUserWidth(31);
  EXPECT_EQ(r.width(), 33);
}

TEST(Widgets, ItemRowsFollowTheHeight) {
  TCCListBox l;
  l.setVisibleItems(3);
  EXPECT_EQ(l.height(), 35);
  l.setHeight(40);
  EXPECT_EQ(l.visibleItems(), 3);
  l.afterResize(FakeMetrics());
  EXPECT_EQ(l.height(), 35);

  TCCDropDown d;
  d.setVisibleItems(2);
  EXPECT_EQ(d.height(), 25);
  EXPECT_EQ(d.visibleItems(), 2);
  d.setHeight(50);
  d.afterResize(FakeMetrics());
  EXPECT_EQ(d.height(), 47);

  TPTList t;  // its large-font rows are the paint test's
  t.setMaxItems(5);
  EXPECT_EQ(t.height(), 58);
  t.setHeight(40);
  t.afterResize(FakeMetrics());
  EXPECT_EQ(t.maxItems(), 3);
  EXPECT_EQ(t.height(), 36);
  // A font without rows (a face that measures nothing) leaves the count alone.
  struct NoRows : FakeMetrics {
    int textHeight(const Font&, std::string_view) const override { return 0; }
  };
  t.setHeight(80);
  t.afterResize(NoRows());
  EXPECT_EQ(t.maxItems(), 3);
}

TEST(Widgets, MenuKeepsItsOwnUserFieldsAndHeight) {
  TCCMenu m;
  m.setItems({"a", "b", "c", "d"});
  EXPECT_EQ(m.height(), 60);
  m.beforePaint(FakeMetrics());
  EXPECT_EQ(m.height(), 59);
  m.setTopicWidth(50);
  EXPECT_EQ(m.width(), 54);
  m.setUserLeft(20);
  EXPECT_EQ(m.left(), 19);
  EXPECT_EQ(m.userLeft(), 20);
  m.setLeft(40);  // the stored field does not follow the bounds
  EXPECT_EQ(m.userLeft(), 20);
  m.setUserWidth(60);
  EXPECT_EQ(m.width(), 63);
  EXPECT_EQ(m.userWidth(), 60);

  m.setTest(0);
  EXPECT_TRUE(m.visible);  // zero leaves a menu as it is
  TCCMenuBar bar;
  bar.setTest(0);
  EXPECT_FALSE(bar.visible);
  TCCPopUp p;
  p.setTest(1);
  EXPECT_TRUE(p.visible);
  p.setTest(0);
  EXPECT_FALSE(p.visible);
}

TEST(Widgets, PToolboxMarginsAndSelfSizing) {
  TPTButton b;
  b.setUserLeft(10);
  EXPECT_EQ(b.left(), 8);
  EXPECT_EQ(b.userLeft(), 10);
  TPTCheckbox k;
  k.setUserLeft(10);
  EXPECT_EQ(k.left(), 9);
  TPTDialog d;
  d.setUserWidth(100);
  EXPECT_EQ(d.width(), 104);

  TPTList l;
  l.setTrigger("(None)");
  EXPECT_EQ(l.style, 0);
  l.style = 2;
  l.setTrigger("");
  EXPECT_EQ(l.style, 1);
  // Labels, shift indicators and tag-3 buttons size themselves at paint: see the paint tests.
}

TEST(Widgets, GeometryStaysWithinSixteenBits) {
  TCCButton b;
  b.setBounds(2147483647LL, -2147483648LL, 99999999999LL, -5);
  EXPECT_EQ(b.left(), 32767);
  EXPECT_EQ(b.top(), -32768);
  EXPECT_EQ(b.width(), 32767);
  b.setUserLeft(-2147483648LL);
  EXPECT_EQ(b.left(), -32768);
}

TEST(Widgets, EveryClassPublishesItsPropertiesOnce) {
  for (int i = 0; i < kClassCount; ++i) {
    auto c = createControl(ClassId(i));
    ASSERT_TRUE(c) << i;
    std::set<std::string> names;
    for (const auto& p : c->properties()) EXPECT_TRUE(names.insert(p.name).second) << c->className() << p.name;
    ClassId back;
    ASSERT_TRUE(classFromName(c->className(), back));
    EXPECT_EQ(back, ClassId(i));
  }
}
