// The control clipboard: the payload text, copy, cut and paste.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCDropDown.h"
#include "model/ControlStream.h"
#include "model/PTDialog.h"

namespace tw {
namespace {

// Every stored property of a control as text, for comparing two controls.
std::string storedValues(const Control& c) {
  std::string payload = writeControlPayload(c, "x");
  return payload.substr(payload.find("\nName=x\n"));
}

}  // namespace

TEST(DesignClipboard, PayloadCarriesEveryStoredPropertyOfEveryClass) {
  for (int i = 0; i < kClassCount; ++i) {
    if (ClassId(i) == ClassId::CCForm) continue;
    auto c = createControl(ClassId(i));
    // Values unlike the constructor's, awkward texts included.
    for (const PropInfo& p : c->properties()) {
      if (!p.stored) continue;
      switch (p.type) {
        case PropType::Integer: p.set(*c, PropValue(7LL)); break;
        case PropType::Colour: p.set(*c, PropValue(0x123456LL)); break;
        case PropType::Alignment: p.set(*c, PropValue(2LL)); break;
        case PropType::Boolean: p.set(*c, PropValue(true)); break;
        case PropType::String: p.set(*c, PropValue(std::string("a|b\\c=d é"))); break;
        case PropType::Font: {
          Font f;
          f.name = kFontLarge;
          f.bold = true;
          p.set(*c, PropValue(f));
          break;
        }
        case PropType::Strings:
          p.set(*c, PropValue(std::vector<std::string>{"", "x|y", "\\", "Zoë"}));
          break;
      }
    }
    std::string why;
    auto back = readControlPayload(writeControlPayload(*c, "Copiado"), &why);
    ASSERT_TRUE(back) << c->className() << ": " << why;
    EXPECT_EQ(back->name, "Copiado");
    EXPECT_EQ(back->control->classId(), c->classId());
    EXPECT_EQ(storedValues(*back->control), storedValues(*c)) << c->className();
  }
}

// Each refusal names its reason, so that the user learns why nothing was pasted.
TEST(DesignClipboard, PayloadReaderRefusesWhatIsNotAControl) {
  const std::string head = "TarnowickControl 1\nClass=TCCButton\n", named = head + "Name=x\n";
  const std::string notControl = "the clipboard does not hold a control", unknownClass = "the clipboard holds a control of an unknown class";
  const std::string cp = "has characters that the handheld's character set cannot hold";
  const std::pair<std::string, std::string> bad[] = {
      {"", notControl},
      {"hello\nClass=TCCButton\nName=x\n", notControl},
      {"TarnowickControl 2\nClass=TCCButton\nName=x\n", notControl},
      {head, notControl},
      {"TarnowickControl 1\nClass=TCCForm\nName=x\n", unknownClass},
      {"TarnowickControl 1\nClass=TWhatever\nName=x\n", unknownClass},
      {"TarnowickControl 1\nKind=TCCButton\nName=x\n", unknownClass},
      {"TarnowickControl 1\nClassTCCButton\nName=x\n", unknownClass},
      {head + "Left=1\n", "the clipboard's control has no name"},
      {head + "Name\n", "the clipboard's control has no name"},
      {head + "Name=a\\qb\n", "the clipboard's control has a malformed name"},
      {head + "Name=a|b\n", "the clipboard's control has a malformed name"},
      {head + "Name=\xff\n", "the clipboard's control has a malformed name"},
      {head + "Name=a\\nb\n", "the clipboard's control has a malformed name"},
      {named + "Left\n", "the clipboard's control has a malformed line"},
      {named + "NoSuch=1\n", "the clipboard's control has an unknown property NoSuch"},
      {named + "UserLeft=1\n", "the clipboard's control has an unknown property UserLeft"},  // derived
      {named + "Left=abc\n", "a wrong value of Left"},
      {named + "Visible=2\n", "a wrong value of Visible"},
      {named + "Content=a\\qb\n", "a malformed value of Content"},
      {named + "Content=a\\nb\n", "Line breaks and other control characters cannot be kept in a form file"},
      {named + "Content=\xff\n", "'\xff' " + cp},
      {named + "Font=Arial\n", "a malformed value of Font"},
      {"TarnowickControl 1\nClass=TCCListBox\nName=x\nItems=3|a|b\n", "a malformed value of Items"},
      {"TarnowickControl 1\nClass=TCCListBox\nName=x\nItems=|a\n", "a malformed value of Items"},
      {"TarnowickControl 1\nClass=TCCListBox\nName=x\nItems=1|\xff\n", "'\xff' " + cp},
      {named + "Alignment=5\n", "a wrong value of Alignment"},
      {named + "Alignment=-1\n", "a wrong value of Alignment"},
      {std::string((1 << 20) + 1, 'x'), "the clipboard's content is too large"},
  };
  for (const auto& [text, reason] : bad) {
    std::string why;
    EXPECT_FALSE(readControlPayload(text, &why)) << text.substr(0, 80);
    EXPECT_EQ(why, reason) << text.substr(0, 80);
  }
  // A control of only its class and name takes the class's own values; CR LF reads as LF.
  TCCButton b;
  auto bare = readControlPayload("TarnowickControl 1\r\nClass=TCCButton\r\nName=x\r\n\r\n", nullptr);
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->name, "x");
  EXPECT_EQ(writeControlPayload(*bare->control, "x"), writeControlPayload(b, "x"));
  auto full = readControlPayload(writeControlPayload(b, "B"), nullptr);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->name, "B");
}

TEST(DesignClipboard, CopyAndPasteTwiceGivesTwoNewControlsSteppingOffTheOriginal) {
  FormSession s(kLibCControls);
  auto* drop = static_cast<TCCDropDown*>(s.place(Tool::DropDown, 30, 40));
  ASSERT_TRUE(s.d.setItems({"Red", "Green"}));
  ASSERT_TRUE(s.d.setValue("SelectedItem", "0"));
  auto payload = s.d.copy();
  ASSERT_TRUE(payload);
  EXPECT_NE(payload->find("\nName=Copiado\n"), std::string::npos);
  EXPECT_EQ(drop->name(), "DropDown1");

  // Each copy would hide the one before: it lands 8 pixels right and down of it, as the only,
  // primary selection.
  ASSERT_TRUE(s.d.paste(*payload));
  ASSERT_TRUE(s.d.paste(*payload));
  const std::string log = s.list() + "\n" + s.layout();
  EXPECT_EQ(log, goldenText("clipboard-pasted-twice.txt", log));
  auto* second = static_cast<TCCDropDown*>(s.find("DropDown3"));
  EXPECT_EQ(s.d.selectedControl(), second);
  second->selected = false;
  second->setLeft(drop->left()), second->setTop(drop->top());
  EXPECT_EQ(storedValues(*second), storedValues(*drop));
  EXPECT_EQ(second->items, (std::vector<std::string>{"Red", "Green"}));
  EXPECT_TRUE(s.msgs.shown.empty());
}

TEST(DesignClipboard, CutFromOneFormAndPasteIntoAnother) {
  FormSession s(kLibPToolbox);
  FormDocument& f1 = s.form();
  Control* button = s.place(Tool::Button, 20, 30);
  s.d.setValue("Text", "Go");
  s.d.setValue("ShowForm", "Form2");
  FormDocument& f2 = s.d.newForm();
  s.place(Tool::Label, 0, 0);  // Label2
  s.d.activate(f1);
  EXPECT_EQ(s.d.selectedControl(), button);
  auto payload = s.d.cut();
  ASSERT_TRUE(payload);
  EXPECT_EQ(f1.screen().children().size(), 0u);
  EXPECT_TRUE(s.d.formInspected());
  EXPECT_EQ(s.d.copy(), std::nullopt);  // the form itself is not copied

  s.d.activate(f2);
  ASSERT_TRUE(s.d.paste(*payload));
  EXPECT_EQ(s.list(), "Label2: Label, Button3: Button, Form2: Form");
  EXPECT_EQ(s.rows(),
            "Font=Standard; Frame=Standard; Height=13; Left=20; Name=Button3; ShowForm=Form2; Text=Go; Top=30; "
            "Type=Standard; Width=42");

  // A cut control whose name the target form holds is refused by the naming rule.
  s.d.activate(f1);
  s.place(Tool::Button, 0, 0);  // Button4 on Form1
  auto again = s.d.cut();
  s.d.activate(f2);
  ASSERT_TRUE(s.d.setValue("Name", "Button4"));  // Button3 on Form2 is now Button4
  EXPECT_FALSE(s.d.paste(*again));
  EXPECT_EQ(s.lastMessage(), "A component named Button4 already exists");
  EXPECT_EQ(f2.screen().children().size(), 2u);
}

TEST(DesignClipboard, PasteTargetsAndRefusals) {
  FormSession s(kLibPToolbox);
  auto* d1 = static_cast<TPTDialog*>(s.place(Tool::Dialog, 0, 0));
  s.place(Tool::Edit, 12, 14);
  auto fieldPayload = s.d.copy();
  s.d.showProperties(s.form(), d1);
  auto dialogPayload = s.d.copy();

  // With a dialog inspected, a control lands in it at the same left and top, now counted from it;
  // a pasted dialog always lands on the screen, empty, and as the one shown.
  ASSERT_TRUE(s.d.paste(*fieldPayload));
  std::string log = s.layout();
  s.d.showProperties(s.form(), d1);
  ASSERT_TRUE(s.d.paste(*dialogPayload));
  log += s.layout();
  EXPECT_EQ(log, goldenText("clipboard-paste-into-dialog.txt", log));
  EXPECT_EQ(s.form().shownDialog, s.d.selectedControl());
  EXPECT_EQ(d1->children().size(), 1u);

  // Cutting the shown dialog forgets it.
  auto cutDialog = s.d.cut();
  ASSERT_TRUE(cutDialog);
  EXPECT_EQ(s.form().shownDialog, nullptr);

  // A control of the other library is refused, and so is anything else.
  FormSession cc(kLibCControls);
  EXPECT_FALSE(cc.d.paste(*fieldPayload));
  EXPECT_EQ(cc.lastMessage(), "A TPTEdit cannot be pasted into a form of the CControls library");
  EXPECT_FALSE(cc.d.paste("some text that was copied elsewhere"));
  EXPECT_EQ(cc.lastMessage(), "Nothing was pasted: the clipboard does not hold a control");
  EXPECT_TRUE(cc.d.controlList(cc.form()).size() == 1);

  // Menus and menu bars are neither copied nor cut, nor pasted from a payload.
  Control* menu = cc.place(Tool::Menu, 0, 0);
  EXPECT_EQ(cc.d.copy(), std::nullopt);
  EXPECT_EQ(cc.d.cut(), std::nullopt);
  EXPECT_EQ(cc.form().findComponent(menu->name()), menu);
  EXPECT_FALSE(cc.d.paste(writeControlPayload(*menu, "Copiado")));

  // No current form: nothing.
  DesignSession empty(kLibCControls);
  EXPECT_FALSE(empty.d.paste(*dialogPayload));
  EXPECT_TRUE(empty.msgs.shown.empty());
}

}  // namespace tw
