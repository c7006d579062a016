// Placing controls from the palette, naming them and listing them.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "model/FormFile.h"
#include "ini/IniFile.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTList.h"

namespace tw {

// Names count across kinds and forms; a button's handheld corner lies at the click, a label's panel
// corner, a PToolbox button's frame corner. Each placement releases the tool and selects the new
// control alone; a dialog becomes the shown one and clicks inside it place controls in it.
TEST(DesignPlacing, NamesPlacesAndDialogs) {
  FormSession s(kLibCControls);
  s.place(Tool::Button, 30, 40);
  s.place(Tool::Label, 30, 40);
  Control* b3 = s.place(Tool::Button, 5, 5);
  EXPECT_EQ(s.d.tool, Tool::None);
  EXPECT_EQ(s.d.selectedControl(), b3);
  std::string log = s.form().formName + "\n" + s.layout();
  // With no tool down nothing is made and the form is inspected.
  EXPECT_FALSE(s.d.place(s.form(), 1, 1, nullptr));
  EXPECT_TRUE(s.d.formInspected());
  log += s.layout();
  // The counter is shared by every form and never reset.
  s.d.newForm();
  s.place(Tool::Edit, 1, 1);
  s.place(Tool::EditLine, 1, 20);
  log += s.form().formName + ": " + s.list() + "\n";

  FormSession p(kLibPToolbox);
  Control* button = p.place(Tool::Button, 20, 30);
  p.place(Tool::Label, 0, 0);
  p.place(Tool::Pop, 0, 50);
  p.place(Tool::ListBox, 60, 60);
  auto* d1 = static_cast<TPTDialog*>(p.place(Tool::Dialog, 100, 100));
  EXPECT_EQ(p.form().shownDialog, d1);
  EXPECT_EQ(p.place(Tool::CheckBox, 7, 9, d1)->parent(), d1);
  log += p.layout();
  // A second dialog hides the first with all it holds, and is in front of the screen's controls.
  auto* d2 = static_cast<TPTDialog*>(p.place(Tool::Dialog, 0, 0, d1));
  EXPECT_EQ(d2->parent(), &p.form().screen());
  EXPECT_EQ(p.form().shownDialog, d2);
  log += p.layout() + p.list() + "\n";
  EXPECT_EQ(log, goldenText("placing.txt", log));
  EXPECT_FALSE(d1->children().front()->shown());

  // A release on the dialog's background with no tool keeps the inspected control, selected alone.
  p.click(button);
  EXPECT_FALSE(p.d.place(p.form(), 1, 1, d2));
  EXPECT_EQ(p.d.selectedControl(), button);
  EXPECT_TRUE(button->selected);
}

TEST(DesignPlacing, NamesSkipThoseOnALoadedForm) {
  IniFile ini;
  ini.parse(
      "[FORM]\r\nName=Loaded\r\nLib=2\r\n[Button3]\r\nControl=Button\r\nName=Button3\r\n"
      "[Dialog4]\r\nControl=Dialog\r\nName=Dialog4\r\nTest=0\r\n[x]\r\nControl=Label\r\nName=x\r\n"
      "Parent=Dialog4\r\n");
  auto open = [&](DesignSession& s) {
    auto form = std::make_unique<FormDocument>(kLibPToolbox, "Loaded");
    loadForm(*form, ini, kWhite, nullptr);
    s.d.addForm(std::move(form));
  };
  DesignSession a(kLibPToolbox);
  open(a);
  EXPECT_EQ(a.place(Tool::Button, 1, 1)->name(), "Button1");
  EXPECT_EQ(a.place(Tool::Button, 1, 1)->name(), "Button2");
  EXPECT_EQ(a.place(Tool::Button, 1, 1)->name(), "Button4");  // 3 is taken
  EXPECT_EQ(a.d.controlCounter, 4);

  DesignSession b(kLibPToolbox);
  open(b);
  b.d.controlCounter = 3;
  EXPECT_EQ(b.place(Tool::Dialog, 1, 1)->name(), "Dialog5");
  // Names inside dialogs count too.
  b.d.controlCounter = -1;
  ASSERT_TRUE(b.d.setValue("Name", "Label1"));
  b.d.showProperties(b.form(), b.find("x"));
  ASSERT_TRUE(b.d.setValue("Name", "Label0"));
  EXPECT_EQ(b.place(Tool::Label, 1, 1)->name(), "Label2");
}

// A screen holding a label and a dialog with a button lists the dialog's children first, then the
// form, then the form window's one menu bar, named after the form, and its menus. The newest menu is
// previewed; the others keep showing with their preview off.
TEST(DesignPlacing, CControlsMenusGetOneMenuBarNamedAfterTheForm) {
  FormSession s(kLibCControls);
  auto* m1 = static_cast<TCCMenu*>(s.place(Tool::Menu, 80, 80));
  auto* m2 = static_cast<TCCMenu*>(s.place(Tool::Menu, 80, 80));
  EXPECT_EQ(m2->test(), 1);
  EXPECT_EQ(m1->test(), 0);
  s.place(Tool::Label, 1, 1);
  Control* dialog = s.place(Tool::Dialog, 0, 0);
  s.place(Tool::Button, 5, 5, dialog);
  const std::string log = s.layout() + s.list() + "\n";
  EXPECT_EQ(log, goldenText("placing-menus.txt", log));
  auto entries = s.d.controlList(s.form());
  EXPECT_EQ(entries[1].control, s.find("Button5"));
  EXPECT_EQ(entries[3].control, nullptr);  // the form itself
}

// A refused name drops the new control. The unique-name rule compares exactly and skips menus; the
// form's naming rule does neither; a menu bar whose name is taken makes nothing. A tool that only
// the other library's palette shows makes nothing and stays down; a form of no known library takes
// no control, but its own rows need no family.
TEST(DesignPlacing, ARefusedNameOrAnotherLibraryMakesNothing) {
  FormSession cc(kLibCControls);
  cc.place(Tool::Menu, 0, 0);
  cc.d.showProperties(cc.form(), cc.find("Menu1"));
  ASSERT_TRUE(cc.d.setValue("Name", "Button2"));
  std::string log = cc.put(Tool::Button, 10, 10);
  log += cc.put(Tool::Button, 10, 10);
  log += cc.put(Tool::GSI, 1, 1);
  FormSession pt(kLibPToolbox);
  pt.place(Tool::Label, 0, 0);
  ASSERT_TRUE(pt.d.setValue("Name", "button2"));
  log += pt.put(Tool::Button, 10, 10);
  FormSession bar(kLibCControls);
  bar.place(Tool::Button, 0, 0);
  ASSERT_TRUE(bar.d.setValue("Name", "MenuBarForm1"));
  log += bar.put(Tool::Menu, 0, 0);
  FormSession none(7);
  log += none.put(Tool::Button, 1, 1);
  EXPECT_TRUE(none.d.setValue("Title", "x"));
  EXPECT_EQ(log, goldenText("placing-refused.txt", log));
}

// A closed form stays in the designer but is neither current nor inspected.
TEST(DesignPlacing, AClosedFormLetsGoOfTheSelection) {
  FormSession s(kLibPToolbox);
  FormDocument& one = s.form();
  Control* button = s.place(Tool::Button, 0, 0);
  FormDocument& two = s.d.newForm();
  s.d.activate(one);
  s.click(button);
  s.d.hideForm(two);  // another form: nothing changes here
  EXPECT_EQ(s.d.selectedControl(), button);
  s.d.hideForm(one);
  EXPECT_FALSE(one.visible);
  EXPECT_EQ(s.d.currentForm(), nullptr);
  EXPECT_EQ(s.d.selectedForm(), nullptr);
  EXPECT_EQ(s.d.selectedControl(), nullptr);
  EXPECT_EQ(s.d.forms().size(), 2u);
}

}  // namespace tw
