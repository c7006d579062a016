// The geometry rules and setters of the widget classes.
#include <gtest/gtest.h>

#include <set>

#include "DesignSession.h"
#include "TestFiles.h"
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

// Bounds against the handheld's own rectangle of each class, rows that follow the height, menus'
// own fields, previews, and bounds clamped to sixteen bits; one line of the golden file a step.
TEST(Widgets, GeometryRulesAndSetters) {
  std::string log;
  auto note = [&](const char* step, const Control& c) { log += std::string(step) + ":" + DesignSession::state(c) + "\n"; };
  TCCButton b;
  b.setLeft(9);
  b.setUserTop(20);
  b.setUserHeight(30);
  note("button", b);
  TCCDropDown d;
  d.setUserWidth(40);
  note("drop-down", d);
  // A radio group's width snaps to whole items.
  TCCRadio r;
  r.items = {"a", "b", "c"};
  r.setUserWidth(31);
  note("radio of 3", r);
  r.items.clear();
  r.setUserWidth(31);
  note("empty radio", r);

  TCCListBox l;
  l.setVisibleItems(3);
  note("list of 3", l);
  l.setHeight(40);
  EXPECT_EQ(l.visibleItems(), 3);
  l.afterResize(FakeMetrics());
  note("list at 40", l);
  TCCDropDown rows;
  rows.setVisibleItems(2);
  EXPECT_EQ(rows.visibleItems(), 2);
  note("drop-down of 2", rows);
  rows.setHeight(50);
  rows.afterResize(FakeMetrics());
  note("drop-down at 50", rows);
  TPTList t;  // its large-font rows are the paint test's
  t.setMaxItems(5);
  note("pt list of 5", t);
  t.setHeight(40);
  t.afterResize(FakeMetrics());
  EXPECT_EQ(t.maxItems(), 3);
  note("pt list at 40", t);
  // A font without rows (a face that measures nothing) leaves the count alone.
  struct NoRows : FakeMetrics {
    int textHeight(const Font&, std::string_view) const override { return 0; }
  };
  t.setHeight(80);
  t.afterResize(NoRows());
  EXPECT_EQ(t.maxItems(), 3);

  TCCMenu m;
  m.setItems({"a", "b", "c", "d"});
  note("menu of 4", m);
  m.beforePaint(FakeMetrics());
  note("menu painted", m);
  m.setTopicWidth(50);
  m.setUserLeft(20);
  note("menu topic 50 left 20", m);
  m.setLeft(40);  // the stored field does not follow the bounds
  m.setUserWidth(60);
  note("menu at 40 width 60", m);
  m.setTest(0);  // zero leaves a menu as it is
  note("menu test 0", m);
  TCCMenuBar bar;
  bar.setTest(0);
  note("bar test 0", bar);
  TCCPopUp p;
  p.setTest(1);
  note("pop-up test 1", p);
  p.setTest(0);
  note("pop-up test 0", p);

  TPTButton pb;
  pb.setUserLeft(10);
  note("pt button", pb);
  TPTCheckbox k;
  k.setUserLeft(10);
  note("pt check box", k);
  TPTDialog dialog;
  dialog.setUserWidth(100);
  note("pt dialog", dialog);
  TCCButton big;
  big.setBounds(2147483647LL, -2147483648LL, 99999999999LL, -5);
  note("clamped", big);
  big.setUserLeft(-2147483648LL);
  note("user left clamped", big);
  EXPECT_EQ(log, goldenText("widget-geometry.txt", log));

  TPTList trigger;
  trigger.setTrigger("(None)");
  EXPECT_EQ(trigger.style, 0);
  trigger.style = 2;
  trigger.setTrigger("");
  EXPECT_EQ(trigger.style, 1);
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
