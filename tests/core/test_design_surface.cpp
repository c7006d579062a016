// The design surface: selection marks, align and same size, stacking order and delete.
#include <gtest/gtest.h>

#include "DesignSession.h"
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

  s.click(a);
  s.shiftClick(b);
  s.shiftClick(c);
  EXPECT_EQ(s.d.selectedControl(), c);
  EXPECT_TRUE(a->selected && b->selected && c->selected);
  EXPECT_EQ(a->selectColor, kSelectBlue);
  EXPECT_EQ(b->selectColor, kSelectNavy);
  EXPECT_EQ(c->selectColor, kSelectNavy);
  EXPECT_EQ(s.form().lastSelected, c);

  s.click(b);
  EXPECT_FALSE(a->selected);
  EXPECT_FALSE(c->selected);
  EXPECT_EQ(b->selectColor, kSelectBlue);

  s.click(x);
  s.shiftClick(y);
  EXPECT_FALSE(b->selected);
  EXPECT_EQ(x->selectColor, kSelectRed);
  EXPECT_EQ(y->selectColor, kSelectMaroon);
  // A dialog only gets Selected.
  s.shiftClick(dialog);
  EXPECT_TRUE(dialog->selected);
  EXPECT_EQ(dialog->selectColor, kSelectBlue);

  s.d.presentForm(s.form());
  int marked = 0;
  s.form().forEachControl([&](Control& k) { marked += k.selected; });
  EXPECT_EQ(marked, 0);
  EXPECT_TRUE(s.d.formInspected());
}

TEST(DesignSurface, AlignCControlsByEachKindsGeometry) {
  FormSession s(kLibCControls);
  Control* a = s.place(Tool::Button, 30, 40);  // handheld rect 30,40 38x12
  Control* b = s.place(Tool::Label, 10, 80);
  Control* c = s.place(Tool::Bitmap, 100, 100);
  Control* d = s.place(Tool::CheckBox, 0, 120);
  Control* other = s.place(Tool::Switch, 70, 70);  // not selected: never moves
  s.click(a);
  s.shiftClick(b);
  s.shiftClick(c);
  s.shiftClick(d);

  s.d.align(s.form(), AlignKind::Left);
  EXPECT_EQ(a->userLeft(), 30);
  EXPECT_EQ(b->userLeft(), 30);  // handheld frames line up...
  EXPECT_EQ(c->left(), 30);      // ...with the image's panel
  EXPECT_EQ(d->userLeft(), 30);
  EXPECT_EQ(other->left(), 70);

  s.d.align(s.form(), AlignKind::Right);  // A's right edge: 30 + 38
  EXPECT_EQ(b->userLeft() + b->userWidth(), 68);
  EXPECT_EQ(c->left() + c->width(), 68);
  EXPECT_EQ(d->left() + d->width(), 68);  // a check box aligns its panel on the right
  EXPECT_EQ(a->userLeft(), 30);

  s.d.align(s.form(), AlignKind::Bottom);  // A's bottom: 40 + 12
  EXPECT_EQ(b->userTop() + b->height(), 52);  // handheld top with the panel height
  EXPECT_EQ(c->top() + c->height(), 52);
  EXPECT_EQ(d->userTop() + d->height(), 52);

  s.d.align(s.form(), AlignKind::Width);
  EXPECT_EQ(b->userWidth(), 38);
  EXPECT_EQ(c->width(), 38);
  EXPECT_EQ(d->width(), 38);

  // "Same Height": the check box has no height to take, and a label as reference gives none.
  const int dh = d->height(), bh = b->height();
  s.d.align(s.form(), AlignKind::Height);
  EXPECT_EQ(c->height(), 12);
  EXPECT_EQ(d->height(), dh);
  EXPECT_EQ(b->height(), bh);
  c->setHeight(30);
  s.click(b);
  s.shiftClick(a);
  s.shiftClick(c);
  s.d.align(s.form(), AlignKind::Height);
  EXPECT_EQ(a->userHeight(), 12);
  EXPECT_EQ(c->height(), 30);

  // A drop-down as reference for "Top" gives its panel top.
  Control* drop = s.place(Tool::DropDown, 0, 20);
  s.click(drop);
  s.shiftClick(a);
  s.d.align(s.form(), AlignKind::Top);
  EXPECT_EQ(a->userTop(), 20);

  // Nothing happens without a primary selection.
  s.d.presentForm(s.form());
  a->selected = true;
  a->selectColor = kSelectNavy;
  a->setLeft(3);
  s.d.align(s.form(), AlignKind::Left);
  EXPECT_EQ(a->left(), 3);
}

TEST(DesignSurface, AlignPToolboxByEachKindsGeometry) {
  FormSession s(kLibPToolbox);
  Control* a = s.place(Tool::Button, 20, 30);  // handheld rect 20,30 42x13
  Control* b = s.place(Tool::Label, 0, 0);
  Control* c = s.place(Tool::CheckBox, 0, 60);
  s.click(a);
  s.shiftClick(b);
  s.shiftClick(c);

  s.d.align(s.form(), AlignKind::Left);
  EXPECT_EQ(b->left(), 20);
  EXPECT_EQ(c->userLeft(), 20);
  s.d.align(s.form(), AlignKind::Right);
  EXPECT_EQ(b->left() + b->width(), 62);
  EXPECT_EQ(c->userLeft() + c->width(), 62);  // handheld left with the panel width
  const int bw = b->width();
  s.d.align(s.form(), AlignKind::Width);
  EXPECT_EQ(b->width(), bw);  // a label has no width to take
  EXPECT_EQ(c->width(), 42);
  s.d.align(s.form(), AlignKind::Height);
  EXPECT_EQ(c->height(), 13);
  s.d.align(s.form(), AlignKind::Bottom);
  EXPECT_EQ(b->top() + b->height(), 43);
  EXPECT_EQ(c->userTop() + c->height(), 43);

  // A selected dialog met first on the screen is the reference by its unchanged colour.
  auto* dialog = static_cast<TPTDialog*>(s.place(Tool::Dialog, 0, 0));
  s.d.showProperties(s.form(), dialog);
  s.d.sendToBack();
  s.click(a);
  s.shiftClick(dialog);
  s.d.align(s.form(), AlignKind::Left);
  EXPECT_EQ(a->userLeft(), dialog->left());
  EXPECT_EQ(dialog->left(), 3);

  // Inside a dialog the reference is the first child in the primary dialog colour, and only
  // the dialog's selected children follow it.
  Control* x = s.place(Tool::Button, 10, 10, dialog);
  Control* y = s.place(Tool::Pop, 40, 40, dialog);
  s.click(x);
  s.shiftClick(y);
  a->selected = true;  // a stale mark on the screen
  a->selectColor = kSelectNavy;
  const int aLeft = a->left();
  s.d.align(s.form(), AlignKind::Top);
  EXPECT_EQ(y->top(), 10);
  EXPECT_EQ(a->left(), aLeft);
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
