// The inspector's rows: their texts, editing them, the checks and the choice lists.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"

namespace tw {

// The rows of every control as placed, and each row's text typed back leaving every row as it was.
TEST(DesignSheet, RowsOfEveryNewControlReadBackAsShown) {
  std::string got;
  for (int lib : {kLibCControls, kLibPToolbox}) {
    FormSession s(lib);
    for (int t = int(Tool::Button); t <= int(Tool::Dialog); ++t) {
      Control* c = s.place(Tool(t), 30, 40);
      if (!c) continue;
      const std::string rows = s.rows();
      got += std::to_string(lib) + " " + c->name() + ": " + rows + "\n";
      for (const auto& r : s.d.propertyRows())
        // A list row opens its editor; a radio group's width snaps to whole items on any change.
        if (r.text.rfind('(', 0) != 0 && !(std::string(c->className()) == "TCCRadio" && r.name == "Width")) {
          EXPECT_TRUE(s.d.setValue(r.name, r.text)) << c->name() << " " << r.name;
        }
      EXPECT_EQ(s.rows(), rows);
    }
    EXPECT_TRUE(s.msgs.shown.empty());
  }
  EXPECT_EQ(got, goldenText("new-controls.txt", got));
}

// Word rows take only their words, exactly; some rows give any other text a meaning.
TEST(DesignSheet, WordRowsAndNumberRowsAsTyped) {
  FormSession s(kLibCControls);
  auto* label = static_cast<TCCLabel*>(s.place(Tool::Label, 0, 0));
  std::string log = s.type({{"Line", "Gray"}, {"Line", "gray"}, {"Font", "bold"}, {"Style", "Fancy"},
                            {"Alignment", ""}, {"Font", "Large"}, {"Alignment", "Right"}});
  label->line = 7;
  label->font.name = "Courier";
  log += s.rows() + "\n";
  s.place(Tool::CheckBox, 0, 0);
  log += s.type({{"State", "True"}, {"State", "true"}});
  s.place(Tool::PopUp, 0, 0);
  log += s.type({{"Test", "No"}, {"Test", "maybe"}});
  s.place(Tool::Bitmap, 0, 0);
  log += s.type({{"Clickable", "No"}});

  FormSession p(kLibPToolbox);
  p.place(Tool::Button, 0, 0);
  log += p.type({{"Frame", "Round"}, {"Frame", "No Frame"}, {"Type", "anything"}});
  auto* field = static_cast<TPTEdit*>(p.place(Tool::Edit, 0, 0));
  log += p.type({{"Underline", "False"}, {"Editable", "no"}, {"Justification", "Centre"}, {"SingleLine", "True"}});
  field->numbersOnly = 5;
  log += p.rows() + "\n";
  p.place(Tool::ListBox, 0, 0);
  // The trigger's setter makes the list pop-triggered.
  log += p.type({{"Style", "Popup-list"}, {"Trigger", "Pop9"}, {"MaxItems", "5"}});

  // Typing "12" applies 1 then 12; clearing it or a lone minus applies nothing.
  p.place(Tool::Button, 18, 18);
  log += p.rows() + "\n";
  log += p.type({{"Left", "30"}, {"Left", "1"}, {"Left", "12"}, {"Left", ""}, {"Left", "-"}}, false);
  log += p.type({{"Width", "12a"}, {"Width", "0x10"}, {"Width", " 5"}, {"Width", "5 "}, {"Width", "+"},
                 {"Width", "--1"}, {"Width", "1e3"}, {"Width", "99999999999999999999999999999999999999"},
                 {"Top", "-7"}, {"Text", ""}}, false);
  // The check box keeps only the low 8 bits of its group number.
  p.place(Tool::CheckBox, 0, 0);
  log += p.type({{"GroupNumber", "258"}});
  EXPECT_EQ(log, goldenText("sheet-words-and-numbers.txt", log));

  // ValorOK guards only the numeric rows.
  EXPECT_FALSE(valorOK("MaxChars", ""));
  EXPECT_FALSE(valorOK("Edge", "-"));
  EXPECT_TRUE(valorOK("Text", ""));
  EXPECT_TRUE(valorOK("left", ""));
}

// The range a refusal names, "... takes values from LO to HI".
std::pair<long long, long long> namedRange(const std::string& message) {
  const size_t from = message.rfind(" from "), to = message.rfind(" to ");
  if (from == std::string::npos || to == std::string::npos) return {1, 0};
  return {std::stoll(message.substr(from + 6, to - from - 6)), std::stoll(message.substr(to + 4))};
}

TEST(DesignSheet, NumbersBeyondWhatTheControlHoldsAreRefusedAndTheCellShowsWhatIsStored) {
  struct Case {
    int lib;
    Tool tool;
    const char* row;
    const char* tooFar;
  };
  for (const Case& k : {Case{kLibPToolbox, Tool::Button, "Top", "99999"}, {kLibPToolbox, Tool::Button, "Left", "-40000"},
                        {kLibPToolbox, Tool::Button, "Width", "-1"}, {kLibPToolbox, Tool::Button, "Height", "32767"},
                        {kLibPToolbox, Tool::ListBox, "MaxItems", "-3"}, {kLibCControls, Tool::ListBox, "VisibleItems", "32767"},
                        {kLibCControls, Tool::Menu, "Left", "32767"}, {kLibCControls, Tool::Label, "Width", "-2147483648"},
                        {kLibCControls, Tool::Button, "Edge", "40000"}}) {
    SCOPED_TRACE(std::string(k.row) + " " + k.tooFar);
    FormSession s(k.lib);
    ASSERT_TRUE(s.place(k.tool, 20, 30));
    const std::string before = s.d.valueText(k.row);
    EXPECT_FALSE(s.d.applyTyped(k.row, k.tooFar));
    EXPECT_EQ(s.d.valueText(k.row), before);
    ASSERT_EQ(s.msgs.shown.size(), 1u);
    const std::string message = s.lastMessage();
    EXPECT_EQ(message.rfind(std::string("'") + k.tooFar + "' is out of range: " + k.row + " takes values from ", 0), 0u)
        << message;
    // Both ends of the named range are taken and shown as typed; one beyond either end is not.
    auto [lo, hi] = namedRange(message);
    ASSERT_LT(lo, hi) << message;
    EXPECT_EQ(lo < 0, std::string(k.row) != "Width" && std::string(k.row) != "Height" &&
                          std::string(k.row) != "MaxItems" && std::string(k.row) != "VisibleItems");
    for (long long v : {lo, hi}) {
      EXPECT_TRUE(s.d.applyTyped(k.row, std::to_string(v))) << v;
      EXPECT_EQ(s.d.valueText(k.row), std::to_string(v));
    }
    EXPECT_FALSE(s.d.applyTyped(k.row, std::to_string(lo - 1)));
    EXPECT_FALSE(s.d.applyTyped(k.row, std::to_string(hi + 1)));
    EXPECT_EQ(s.d.valueText(k.row), std::to_string(hi));
  }
}

// Texts, names, image sizes, menus, dialogs and a selector's trigger, each as the inspector sets them.
TEST(DesignSheet, TextsNamesAndPreviews) {
  FormSession s(kLibCControls);
  auto* button = static_cast<TCCButton*>(s.place(Tool::Button, 0, 0));
  s.place(Tool::Label, 0, 20);
  s.click(button);
  // Text the handheld's character set cannot hold is refused, so that saving loses nothing.
  std::string log = s.type({{"Content", "Café €5"}, {"Content", "日本"}, {"ShowForm", "a\nb"},
                            {"Content", "bad\xff"}, {"Name", "My Button"}, {"Name", ""}, {"Name", "label2"},
                            {"Name", "panScreen"}, {"Name", "OK_1"}, {"Name", "ok_1"}});
  log += s.list() + "\n";
  // The form's own rows; a nameless form file would not open again.
  s.d.presentForm(s.form());
  log += s.rows() + "\n";
  log += s.type({{"Title", "Main menu"}, {"Name", "Start"}, {"Name", ""}, {"Title", "a\nb"}, {"Left", "3"}});
  log += s.list() + "\n";

  // Images are at most 40 square; a mouse resize beyond that is corrected when the row is shown.
  for (int lib : {kLibCControls, kLibPToolbox}) {
    FormSession i(lib);
    Control* image = i.place(Tool::Bitmap, 0, 0);
    log += i.type({{"Width", "40"}, {"Width", "41"}});
    image->setHeight(55);
    const std::string height = i.d.valueText("Height");
    log += height + " '" + i.lastMessage() + "' " + i.state(*image) + "\n";
  }

  // Menu items go through the setter: five items make five rows.
  FormSession m(kLibCControls);
  auto* m1 = static_cast<TCCMenu*>(m.place(Tool::Menu, 0, 0));
  m1->setUserLeft(9);
  log += m.rows() + "\n";
  log += m.type({{"Left", "10"}});
  EXPECT_TRUE(m.d.setItems({"New", "Open", "Save", "Close", "Quit"}));
  EXPECT_FALSE(m.d.setItems({"ok", "\xe2\x98\x83"}));
  log += m.lastMessage() + "\n";  // the refusal says why
  EXPECT_EQ(*m.d.items(), (std::vector<std::string>{"New", "Open", "Save", "Close", "Quit"}));
  auto* m2 = static_cast<TCCMenu*>(m.place(Tool::Menu, 0, 0));
  auto* bar = static_cast<TCCMenuBar*>(m.form().windowChildren()[0].get());
  m.d.showProperties(m.form(), bar);
  log += m.type({{"Test", "No"}});
  log += m.layout();
  EXPECT_EQ(m2->test(), 0);
  // A menu previewed again shows the menu bar; the other menu stays hidden; unknown words change nothing.
  m.d.showProperties(m.form(), m1);
  log += m.type({{"Test", "Yes"}, {"Test", "Maybe"}});
  log += m.layout();
  EXPECT_EQ(bar->test(), 1);

  // Dialogs show one at a time.
  for (int lib : {kLibCControls, kLibPToolbox}) {
    FormSession t(lib);
    auto* d1 = static_cast<TPTDialog*>(t.place(Tool::Dialog, 0, 0));
    Control* inside = t.place(Tool::Label, 3, 3, d1);
    t.place(Tool::Dialog, 0, 0);
    EXPECT_FALSE(inside->shown());
    t.d.showProperties(t.form(), d1);
    log += t.rows() + "\n";
    log += t.type({{"Test", "Yes"}});
    log += t.layout();
    EXPECT_EQ(t.form().shownDialog, d1);
    EXPECT_TRUE(inside->shown());
    log += t.type({{"Test", "Yes"}});  // already shown: stays shown
    EXPECT_EQ(t.form().shownDialog, d1);
    log += t.type({{"Test", "yes"}});
    EXPECT_EQ(t.form().shownDialog, nullptr);
  }

  // A selector's trigger moves once when it switches sides.
  FormSession p(kLibPToolbox);
  Control* select = p.place(Tool::Select, 20, 20);
  log += p.type({{"Align", "Right"}, {"Align", "Right"}, {"Align", "Left"}, {"Align", "Center"}});
  select->alignment = Alignment::Center;
  log += p.rows() + "\n";
  EXPECT_EQ(log, goldenText("sheet-texts-and-previews.txt", log));
}

TEST(DesignSheet, ChoiceLists) {
  FormSession s(kLibPToolbox);
  Control* dlg = s.place(Tool::Dialog, 0, 0);
  ASSERT_TRUE(s.d.setValue("Name", "Dlg1"));
  Control* onScreen = s.place(Tool::Button, 0, 0);
  Control* inDialog = s.place(Tool::Button, 5, 5, dlg);
  Control* pop = s.place(Tool::Pop, 0, 0);
  Control* list = s.place(Tool::ListBox, 0, 0);
  FormDocument& form1 = s.form();
  s.d.newForm();  // Form2
  s.d.newForm().visible = false;  // closed: not offered

  s.d.activate(form1);
  s.d.showProperties(form1, onScreen);
  EXPECT_EQ(s.d.choices("ShowForm"), (std::vector<std::string>{"(None)", "Dlg1", "Form2"}));
  s.d.showProperties(form1, inDialog);
  EXPECT_EQ(s.d.choices("ShowForm"), (std::vector<std::string>{"(None)", "Form1", "Form2"}));
  s.d.showProperties(form1, list);
  EXPECT_EQ(s.d.choices("Trigger"), (std::vector<std::string>{"(None)", pop->name()}));
  EXPECT_TRUE(s.d.choices("Text").empty());
  s.d.showProperties(form1, onScreen);
  EXPECT_TRUE(s.d.choices("Style").empty());  // a row that the inspected control does not have

  FormSession cc(kLibCControls);
  for (Tool t : {Tool::Label, Tool::Edit}) {
    cc.d.showProperties(cc.form(), cc.place(t, 0, 0));
    EXPECT_EQ(cc.d.choices("Style"), (std::vector<std::string>{"Plain", "Underlined", "Boxed"}));
  }
}

}  // namespace tw
