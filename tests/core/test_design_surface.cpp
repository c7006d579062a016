// The design surface: selection marks, align and same size, stacking order and delete.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCDropDown.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "graphics/TextMetrics.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTList.h"

namespace tw {
namespace {

// Handheld-like metrics: every line 11 pixels high, every character 5 wide.
struct FixedMetrics : TextMetrics {
  int textWidth(const Font&, std::string_view text) const override { return 5 * int(text.size()); }
  int textHeight(const Font&, std::string_view) const override { return 11; }
};

// Clicks the controls, the first alone and the rest with Shift, and tells the marks of the form.
std::string pick(FormSession& s, std::initializer_list<Control*> controls) {
  for (Control* c : controls) c == *controls.begin() ? s.click(c) : s.shiftClick(c);
  return s.layout();
}

// Aligns the controls as selected (the selection there is when none are given), then tells where
// every control of the form is.
std::string align(FormSession& s, AlignKind kind, std::initializer_list<Control*> controls) {
  if (controls.size()) pick(s, controls);
  s.d.align(s.form(), kind);
  return std::string(alignKindName(kind)) + ":\n" + s.layout();
}

}  // namespace

TEST(DesignSurface, MousePressesAndReleases) {
  FixedMetrics metrics;
  FormSession s(kLibCControls);
  auto* list = static_cast<TCCListBox*>(s.place(Tool::ListBox, 0, 0));
  Control* label = s.place(Tool::Label, 0, 50);
  // A right-button press leaves the selection as it was.
  s.d.pressControl(s.form(), *list, true, false);
  EXPECT_EQ(s.d.selectedControl(), label);
  EXPECT_FALSE(list->selected);
  s.d.pressControl(s.form(), *list, false, false);
  s.d.pressControl(s.form(), *label, false, true);
  EXPECT_EQ(list->selectColor, kSelectBlue);
  EXPECT_EQ(label->selectColor, kSelectNavy);
  // A list resized to 40 pixels snaps to whole rows on release.
  list->setHeight(40);
  s.d.releaseControl(s.form(), *list, false, metrics);
  EXPECT_EQ(list->visibleItems(), 3);
  EXPECT_EQ(list->height(), 35);
  EXPECT_EQ(s.d.selectedControl(), list);
  // So do a drop-down, a pop-up and a PToolboxLib list.
  for (Tool t : {Tool::DropDown, Tool::PopUp}) {
    auto* drop = static_cast<TCCDropDown*>(s.place(t, 0, 90));
    drop->setHeight(50);
    s.d.releaseControl(s.form(), *drop, true, metrics);
    EXPECT_EQ(drop->height(), 47) << int(t);
  }
  FormSession pt(kLibPToolbox);
  auto* ptList = static_cast<TPTList*>(pt.place(Tool::ListBox, 0, 0));
  ptList->setHeight(40);
  pt.d.releaseControl(pt.form(), *ptList, false, metrics);
  EXPECT_EQ(ptList->maxItems(), 3);
  // A release on a menu clears the surface's marks.
  Control* menu = s.place(Tool::Menu, 0, 0);
  FormDocument& first = s.form();
  s.click(list);
  s.d.newForm();  // a release on the first form's menu brings that form forward
  s.d.releaseControl(first, *menu, false, metrics);
  EXPECT_EQ(s.d.currentForm(), &first);
  EXPECT_FALSE(list->selected);
  EXPECT_EQ(s.d.selectedControl(), menu);
  // A press on the background inspects the form.
  s.d.pressScreen(s.form());
  EXPECT_TRUE(s.d.formInspected());
}

TEST(DesignSurface, SelectionMarksOnTheScreenAndInADialog) {
  FormSession s(kLibPToolbox);
  Control* a = s.place(Tool::Button, 10, 10);
  Control* b = s.place(Tool::Label, 10, 30);
  Control* c = s.place(Tool::GSI, 10, 50);
  Control* dialog = s.place(Tool::Dialog, 0, 0);
  Control* x = s.place(Tool::Button, 5, 20, dialog);
  Control* y = s.place(Tool::CheckBox, 5, 40, dialog);
  std::string log = pick(s, {a, b, c});
  EXPECT_EQ(s.d.selectedControl(), c);
  EXPECT_EQ(s.form().lastSelected, c);
  log += pick(s, {b});
  log += pick(s, {x, y});
  s.shiftClick(dialog);  // a dialog only gets Selected
  log += s.layout();
  s.d.presentForm(s.form());
  log += s.layout();
  EXPECT_TRUE(s.d.formInspected());
  EXPECT_EQ(log, goldenText("surface-marks.txt", log));
}

// Each kind lines up by its own geometry: handheld frames, an image's or a check box's panel; a
// control that has no width or height to take keeps its own, and unselected controls never move.
TEST(DesignSurface, AlignByEachKindsGeometry) {
  FormSession s(kLibCControls);
  Control* a = s.place(Tool::Button, 30, 40);
  Control* b = s.place(Tool::Label, 10, 80);
  Control* c = s.place(Tool::Bitmap, 100, 100);
  Control* d = s.place(Tool::CheckBox, 0, 120);
  s.place(Tool::Switch, 70, 70);
  std::string log = align(s, AlignKind::Left, {a, b, c, d});
  for (AlignKind k : {AlignKind::Right, AlignKind::Bottom, AlignKind::Width, AlignKind::Height}) log += align(s, k, {});
  c->setHeight(30);
  log += align(s, AlignKind::Height, {b, a, c});  // a label as reference gives no height
  // A drop-down as reference for "Top" gives its panel top.
  Control* drop = s.place(Tool::DropDown, 0, 20);
  log += align(s, AlignKind::Top, {drop, a});
  // Nothing happens without a primary selection.
  s.d.presentForm(s.form());
  a->selected = true;
  a->selectColor = kSelectNavy;
  a->setLeft(3);
  s.d.align(s.form(), AlignKind::Left);
  EXPECT_EQ(a->left(), 3);

  FormSession p(kLibPToolbox);
  a = p.place(Tool::Button, 20, 30);
  b = p.place(Tool::Label, 0, 0);
  c = p.place(Tool::CheckBox, 0, 60);
  log += align(p, AlignKind::Left, {a, b, c});
  for (AlignKind k : {AlignKind::Right, AlignKind::Width, AlignKind::Height, AlignKind::Bottom}) log += align(p, k, {});
  // A selected dialog met first on the screen is the reference by its unchanged colour.
  auto* dialog = static_cast<TPTDialog*>(p.place(Tool::Dialog, 0, 0));
  p.d.showProperties(p.form(), dialog);
  p.d.sendToBack();
  log += align(p, AlignKind::Left, {a, dialog});
  // Inside a dialog the reference is the first child in the primary dialog colour, and only the
  // dialog's selected children follow it, not a stale mark on the screen.
  Control* x = p.place(Tool::Button, 10, 10, dialog);
  Control* y = p.place(Tool::Pop, 40, 40, dialog);
  pick(p, {x, y});
  a->selected = true;
  a->selectColor = kSelectNavy;
  log += align(p, AlignKind::Top, {});
  EXPECT_EQ(log, goldenText("surface-align.txt", log));
}

TEST(DesignSurface, StackingOrderAndDelete) {
  FormSession s(kLibCControls);
  Control* a = s.place(Tool::Button, 0, 0);
  Control* b = s.place(Tool::Label, 0, 20);
  auto* dialog = static_cast<TPTDialog*>(s.place(Tool::Dialog, 0, 0));
  Control* inner = s.place(Tool::Edit, 3, 3, dialog);
  Control* inner2 = s.place(Tool::Radio, 3, 30, dialog);
  auto order = [&](const Control& parent) {
    std::string out;
    for (const auto& k : parent.children()) out += k->name() + " ";
    return out;
  };
  s.click(a);
  s.d.bringToFront();
  EXPECT_EQ(order(s.form().screen()), "Label2 Dialog3 Button1 ");
  s.click(inner2);
  s.d.sendToBack();
  EXPECT_EQ(order(*dialog), "Radio5 Edit4 ");
  // The form window's menus have their own order.
  Control* m1 = s.place(Tool::Menu, 0, 0);
  s.place(Tool::Menu, 0, 0);
  s.d.showProperties(s.form(), m1);
  s.d.bringToFront();
  EXPECT_EQ(s.form().windowChildren().back().get(), m1);
  s.d.sendToBack();
  EXPECT_EQ(s.form().windowChildren().front().get(), m1);
  s.d.bringToFront();

  // Deleting a dialog takes its children and forgets it as the shown dialog.
  s.click(inner);
  s.d.showProperties(s.form(), dialog);
  s.d.deleteSelected();
  EXPECT_EQ(order(s.form().screen()), "Label2 Button1 ");
  EXPECT_EQ(s.form().shownDialog, nullptr);
  EXPECT_EQ(s.form().lastSelected, nullptr);
  EXPECT_TRUE(s.d.formInspected());
  EXPECT_EQ(s.list(), "Label2: Label, Button1: Button, Form1: Form, MenuBarForm1: MenuBar, Menu7: Menu, Menu6: Menu");
  // With the form inspected, delete does nothing; with several selected, all of them go.
  s.d.deleteSelected();
  EXPECT_EQ(s.form().controlCount(), 5);
  s.click(a);
  s.shiftClick(b);
  s.d.deleteSelected();
  EXPECT_EQ(order(s.form().screen()), "");
  (void)inner;
}

}  // namespace tw
