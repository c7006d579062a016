// The inspector's rows: their texts, editing them, the checks and the choice lists.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTCheckBox.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTList.h"

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

TEST(DesignSheet, WordRowsTakeOnlyTheirWordsExactly) {
  FormSession s(kLibCControls);
  auto* label = static_cast<TCCLabel*>(s.place(Tool::Label, 0, 0));
  EXPECT_TRUE(s.d.setValue("Line", "Gray"));
  EXPECT_EQ(label->line, 2);
  EXPECT_FALSE(s.d.setValue("Line", "gray"));
  EXPECT_FALSE(s.d.setValue("Font", "bold"));
  EXPECT_FALSE(s.d.setValue("Style", "Fancy"));
  EXPECT_FALSE(s.d.setValue("Alignment", ""));
  EXPECT_EQ(label->line, 2);
  EXPECT_EQ(label->font.name, "PilotStandard");
  EXPECT_TRUE(s.d.setValue("Font", "Large"));
  EXPECT_TRUE(s.d.setValue("Alignment", "Right"));
  EXPECT_EQ(s.rows(),
            "Alignment=Right; Content=Label1; Font=Large; Left=1; Line=Gray; Name=Label1; Style=Plain; Top=1; Width=30");
  label->line = 7;
  label->font.name = "Courier";
  EXPECT_EQ(s.d.valueText("Line"), "");
  EXPECT_EQ(s.d.valueText("Font"), "");
  EXPECT_TRUE(s.msgs.shown.empty());

  // Rows whose any-other-text has a meaning.
  s.place(Tool::CheckBox, 0, 0);
  EXPECT_TRUE(s.d.setValue("State", "True"));
  EXPECT_EQ(s.d.valueText("State"), "True");
  EXPECT_TRUE(s.d.setValue("State", "true"));
  EXPECT_EQ(s.d.valueText("State"), "False");
  auto* popup = static_cast<TCCPopUp*>(s.place(Tool::PopUp, 0, 0));
  EXPECT_TRUE(s.d.setValue("Test", "No"));
  EXPECT_FALSE(popup->visible);
  EXPECT_TRUE(s.d.setValue("Test", "maybe"));
  EXPECT_EQ(popup->test(), 1);
  EXPECT_TRUE(popup->visible);
  auto* image = s.place(Tool::Bitmap, 0, 0);
  EXPECT_TRUE(s.d.setValue("Clickable", "No"));
  EXPECT_EQ(image->tag, 0);

  FormSession p(kLibPToolbox);
  auto* button = static_cast<TPTButton*>(p.place(Tool::Button, 0, 0));
  EXPECT_FALSE(p.d.setValue("Frame", "Round"));
  EXPECT_TRUE(p.d.setValue("Frame", "No Frame"));
  EXPECT_EQ(button->frame, 3);
  EXPECT_TRUE(p.d.setValue("Type", "anything"));
  EXPECT_EQ(button->buttonType, 1);
  EXPECT_EQ(p.d.valueText("Type"), "Repeat");
  auto* field = static_cast<TPTEdit*>(p.place(Tool::Edit, 0, 0));
  EXPECT_TRUE(p.d.setValue("Underline", "False"));
  EXPECT_TRUE(p.d.setValue("Editable", "no"));
  EXPECT_TRUE(p.d.setValue("Justification", "Centre"));
  EXPECT_TRUE(p.d.setValue("SingleLine", "True"));
  EXPECT_EQ(field->underline, 1);
  EXPECT_EQ(field->editable, 1);
  EXPECT_EQ(field->justification, 1);
  EXPECT_EQ(field->singleLine, 1);
  field->numbersOnly = 5;
  EXPECT_EQ(p.d.valueText("NumbersOnly"), "True");
  auto* list = static_cast<TPTList*>(p.place(Tool::ListBox, 0, 0));
  EXPECT_TRUE(p.d.setValue("Style", "Popup-list"));
  EXPECT_EQ(list->style, 2);
  EXPECT_TRUE(p.d.setValue("Trigger", "Pop9"));  // the setter makes it pop-triggered
  EXPECT_EQ(list->style, 1);
  EXPECT_TRUE(p.d.setValue("MaxItems", "5"));
  EXPECT_EQ(list->height(), 58);
}

TEST(DesignSheet, NumbersAreStrictAndTheControlStaysValid) {
  FormSession s(kLibPToolbox);
  Control* button = s.place(Tool::Button, 18, 18);
  EXPECT_EQ(s.d.valueText("Left"), "18");
  EXPECT_TRUE(s.d.setValue("Left", "30"));
  EXPECT_EQ(button->left(), 28);

  // Typing "12" applies 1 then 12; clearing it or a lone minus applies nothing.
  EXPECT_TRUE(s.d.applyTyped("Left", "1"));
  EXPECT_TRUE(s.d.applyTyped("Left", "12"));
  EXPECT_FALSE(s.d.applyTyped("Left", ""));
  EXPECT_FALSE(s.d.applyTyped("Left", "-"));
  EXPECT_EQ(s.d.valueText("Left"), "12");
  EXPECT_TRUE(s.msgs.shown.empty());

  for (const char* bad : {"12a", "0x10", " 5", "5 ", "+", "--1", "1e3", "99999999999999999999999999999999999999"}) {
    EXPECT_FALSE(s.d.applyTyped("Width", bad)) << bad;
    EXPECT_EQ(s.lastMessage(), std::string("'") + bad + "' is not a valid integer value");
    EXPECT_EQ(s.msgs.shown.back().caption, "Error");
  }
  EXPECT_EQ(s.d.valueText("Width"), "42");
  EXPECT_TRUE(s.d.setValue("Top", "-7"));
  EXPECT_EQ(button->top(), -9);

  // ValorOK guards only the numeric rows.
  EXPECT_FALSE(valorOK("MaxChars", ""));
  EXPECT_FALSE(valorOK("Edge", "-"));
  EXPECT_TRUE(valorOK("Text", ""));
  EXPECT_TRUE(valorOK("left", ""));
  EXPECT_TRUE(s.d.applyTyped("Text", ""));

  // The check box keeps only the low 8 bits of its group number.
  auto* check = static_cast<TPTCheckbox*>(s.place(Tool::CheckBox, 0, 0));
  EXPECT_TRUE(s.d.setValue("GroupNumber", "258"));
  EXPECT_EQ(check->groupNumber, 2);
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

TEST(DesignSheet, TextsAndNames) {
  FormSession s(kLibCControls);
  auto* button = static_cast<TCCButton*>(s.place(Tool::Button, 0, 0));
  s.place(Tool::Label, 0, 20);
  s.click(button);
  EXPECT_TRUE(s.d.setValue("Content", "Café €5"));
  EXPECT_EQ(button->content, "Café €5");
  // Text the handheld's character set cannot hold is refused, so that saving loses nothing.
  EXPECT_FALSE(s.d.setValue("Content", "日本"));
  EXPECT_FALSE(s.d.setValue("ShowForm", "a\nb"));
  EXPECT_FALSE(s.d.setValue("Content", std::string("bad\xff", 4)));
  EXPECT_EQ(s.msgs.shown.size(), 3u);
  EXPECT_EQ(button->content, "Café €5");
  EXPECT_EQ(button->showForm, "(None)");

  EXPECT_FALSE(s.d.setValue("Name", "My Button"));
  EXPECT_EQ(s.lastMessage(), "'My Button' is not a valid component name");
  EXPECT_FALSE(s.d.setValue("Name", ""));
  EXPECT_FALSE(s.d.setValue("Name", "label2"));
  EXPECT_EQ(s.lastMessage(), "A component named label2 already exists");
  EXPECT_FALSE(s.d.setValue("Name", "panScreen"));
  EXPECT_EQ(button->name(), "Button1");
  EXPECT_TRUE(s.d.setValue("Name", "OK_1"));
  EXPECT_TRUE(s.d.setValue("Name", "ok_1"));  // its own name in another case
  EXPECT_EQ(s.list(), "ok_1: Button, Label2: Label, Form1: Form");

  // The form's own rows.
  s.d.presentForm(s.form());
  EXPECT_EQ(s.rows(), "Name=Form1; Title=Form1");
  EXPECT_TRUE(s.d.setValue("Title", "Main menu"));
  EXPECT_TRUE(s.d.setValue("Name", "Start"));
  EXPECT_FALSE(s.d.setValue("Name", ""));  // a nameless form file would not open again
  EXPECT_EQ(s.lastMessage(), "A form must have a name");
  EXPECT_FALSE(s.d.setValue("Title", "a\nb"));
  EXPECT_EQ(s.lastMessage(), "Line breaks and other control characters cannot be kept in a form file");
  EXPECT_FALSE(s.d.setValue("Left", "3"));
  EXPECT_EQ(s.rows(), "Name=Start; Title=Main menu");
  EXPECT_EQ(s.list(), "ok_1: Button, Label2: Label, Start: Form");
}

TEST(DesignSheet, ImagesAreAtMost40Square) {
  for (auto [lib, kind] : {std::pair{kLibCControls, "an Image"}, {kLibPToolbox, "a Bitmap"}}) {
    FormSession s(lib);
    Control* image = s.place(Tool::Bitmap, 0, 0);
    EXPECT_TRUE(s.d.setValue("Width", "40"));
    EXPECT_TRUE(s.msgs.shown.empty());
    EXPECT_TRUE(s.d.setValue("Width", "41"));
    EXPECT_EQ(s.lastMessage(), std::string("The maximum width of ") + kind + " control is 40");
    EXPECT_EQ(image->width(), 40);
    // A mouse resize beyond the limit is corrected when the row is shown.
    image->setHeight(55);
    EXPECT_EQ(s.d.valueText("Height"), "40");
    EXPECT_EQ(s.lastMessage(), std::string("The maximum height of ") + kind + " control is 40");
    EXPECT_EQ(image->height(), 40);
  }
}

TEST(DesignSheet, MenuRowsAndPreviews) {
  FormSession s(kLibCControls);
  auto* m1 = static_cast<TCCMenu*>(s.place(Tool::Menu, 0, 0));
  m1->setUserLeft(9);
  EXPECT_EQ(s.d.valueText("Left"), "5");
  EXPECT_TRUE(s.d.setValue("Left", "10"));
  EXPECT_EQ(m1->userLeft(), 14);
  // Items go through the setter: five items make five rows.
  EXPECT_TRUE(s.d.setItems({"New", "Open", "Save", "Close", "Quit"}));
  EXPECT_EQ(m1->height(), 5 * 11 + 16);
  EXPECT_EQ(*s.d.items(), (std::vector<std::string>{"New", "Open", "Save", "Close", "Quit"}));
  EXPECT_FALSE(s.d.setItems({"ok", "\xe2\x98\x83"}));
  EXPECT_EQ(m1->items.size(), 5u);

  auto* m2 = static_cast<TCCMenu*>(s.place(Tool::Menu, 0, 0));
  auto* bar = static_cast<TCCMenuBar*>(s.form().windowChildren()[0].get());
  s.d.showProperties(s.form(), bar);
  EXPECT_EQ(s.rows(), "Name=MenuBarForm1; Test=Yes");
  EXPECT_TRUE(s.d.setValue("Test", "No"));
  EXPECT_FALSE(bar->visible);
  EXPECT_FALSE(m1->visible);
  EXPECT_FALSE(m2->visible);
  EXPECT_EQ(m2->test(), 0);
  // A menu previewed again shows the menu bar; the other menu stays hidden.
  s.d.showProperties(s.form(), m1);
  EXPECT_TRUE(s.d.setValue("Test", "Yes"));
  EXPECT_TRUE(m1->visible);
  EXPECT_TRUE(bar->visible);
  EXPECT_EQ(bar->test(), 1);
  EXPECT_FALSE(m2->visible);
  EXPECT_TRUE(s.d.setValue("Test", "Maybe"));  // unknown words change nothing
  EXPECT_EQ(m1->test(), 1);
}

TEST(DesignSheet, DialogTestShowsOneDialogAtATime) {
  for (int lib : {kLibCControls, kLibPToolbox}) {
    FormSession s(lib);
    auto* d1 = static_cast<TPTDialog*>(s.place(Tool::Dialog, 0, 0));
    Control* inside = s.place(Tool::Label, 3, 3, d1);
    auto* d2 = static_cast<TPTDialog*>(s.place(Tool::Dialog, 0, 0));
    EXPECT_FALSE(inside->shown());
    s.d.showProperties(s.form(), d1);
    EXPECT_EQ(s.d.valueText("Test"), "No");
    EXPECT_TRUE(s.d.setValue("Test", "Yes"));
    EXPECT_EQ(s.form().shownDialog, d1);
    EXPECT_TRUE(inside->shown());
    EXPECT_EQ(d2->tag, 0);
    EXPECT_FALSE(d2->visible);
    EXPECT_EQ(s.form().screen().children().back().get(), d1);
    EXPECT_TRUE(s.d.setValue("Test", "Yes"));  // already shown: stays shown
    EXPECT_EQ(s.form().shownDialog, d1);
    EXPECT_TRUE(s.d.setValue("Test", "yes"));
    EXPECT_EQ(d1->tag, 0);
    EXPECT_FALSE(d1->visible);
    EXPECT_EQ(s.form().shownDialog, nullptr);
  }
}

TEST(DesignSheet, SelectorTriggerAlignMovesOnceWhenSwitchingSides) {
  FormSession s(kLibPToolbox);
  Control* select = s.place(Tool::Select, 20, 20);
  EXPECT_EQ(select->left(), 19);
  EXPECT_TRUE(s.d.setValue("Align", "Right"));
  EXPECT_TRUE(s.d.setValue("Align", "Right"));
  EXPECT_EQ(select->left(), 24);
  EXPECT_EQ(s.d.valueText("Align"), "Right");
  EXPECT_TRUE(s.d.setValue("Align", "Left"));
  EXPECT_EQ(select->left(), 19);
  EXPECT_TRUE(s.d.setValue("Align", "Center"));
  EXPECT_EQ(select->alignment, Alignment::Left);
  select->alignment = Alignment::Center;
  EXPECT_EQ(s.d.valueText("Align"), "");
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
}

}  // namespace tw
