// Placing controls from the palette, naming them and listing them.
#include <gtest/gtest.h>

#include "DesignSession.h"

namespace tw {

// Names, places, dialogs, menus, refusals and closed forms.
TEST(DesignPlacing, Scripts) { runDesignScripts("design-placing.txt"); }

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

}  // namespace tw
