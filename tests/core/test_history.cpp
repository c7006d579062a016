// Undo and redo: every kind of design change taken back and done again gives the exact form.
#include <gtest/gtest.h>

#include <functional>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "base/FileIO.h"
#include "model/ControlStream.h"
#include "ini/IniFile.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTList.h"

namespace tw {
namespace {

bool liveIn(const FormDocument& form, const Control* c) {
  bool found = false;
  form.forEachControl([&](const Control& k) { found |= &k == c; });
  return found;
}

// The form file, plus what the file does not keep: visibility, marks, the shown dialog, the last
// selection and the inspected object.
std::string fullState(DesignSession& s) {
  FormDocument& form = s.form();
  std::string out = formToIni(form).serialize() + s.layout();
  auto nameOf = [](const Control* c) { return c ? c->name() : std::string("-"); };
  out += "shown dialog " + nameOf(form.shownDialog) + ", last " + nameOf(form.lastSelected) + ", inspecting " +
         (s.d.selectedForm() == &form ? nameOf(s.d.selectedControl()) : "elsewhere") + "\n";
  return out;
}

// Records the state after every step, then undoes all of them and redoes all of them, checking the
// whole state at each one, and that the inspector and the control list point at live controls.
struct Recorder {
  DesignSession& s;
  std::vector<std::string> states;
  std::vector<std::string> names;

  explicit Recorder(DesignSession& session) : s(session), states{fullState(s)} {}

  void step(const std::string& name, const std::function<void()>& change) {
    beginStep(s.d, s.form(), name);
    change();
    ASSERT_TRUE(commitStep(s.d, s.form())) << name;
    EXPECT_EQ(s.form().history().undoName(), name);
    names.push_back(name);
    states.push_back(fullState(s));
  }

  void consistent() {
    auto live = [&](const Control* c) { return !c || liveIn(s.form(), c); };
    EXPECT_TRUE(live(s.d.selectedControl()));
    EXPECT_TRUE(live(s.form().lastSelected));
    EXPECT_TRUE(live(s.form().shownDialog));
    for (const auto& e : s.d.controlList(s.form())) EXPECT_TRUE(live(e.control)) << e.text;
  }

  void undoAndRedoAll() {
    History& h = s.form().history();
    for (size_t i = names.size(); i-- > 0;) {
      EXPECT_EQ(h.undoName(), names[i]);
      ASSERT_TRUE(undo(s.d, s.form()));
      EXPECT_EQ(fullState(s), states[i]) << "undo " << names[i];
      EXPECT_EQ(h.redoName(), names[i]);
      consistent();
    }
    EXPECT_FALSE(undo(s.d, s.form()));
    for (size_t i = 0; i < names.size(); ++i) {
      ASSERT_TRUE(redo(s.d, s.form()));
      EXPECT_EQ(fullState(s), states[i + 1]) << "redo " << names[i];
      consistent();
    }
    EXPECT_FALSE(redo(s.d, s.form()));
  }
};

}  // namespace

TEST(History, EveryKindOfStepOfAPToolboxFormUndoesAndRedoes) {
  FormSession s(kLibPToolbox);
  Recorder r{s};
  Control *a = nullptr, *b = nullptr, *c = nullptr, *list = nullptr, *dialog = nullptr;
  r.step("Place Button", [&] { a = s.place(Tool::Button, 10, 10); });
  r.step("Place Label", [&] { b = s.place(Tool::Label, 30, 40); });
  r.step("Place GSI", [&] { c = s.place(Tool::GSI, 50, 70); });
  r.step("Move", [&] {
    s.d.pressControl(s.form(), *b, false, false);
    b->setLeft(b->left() + 7);
    b->setTop(b->top() + 3);
  });
  r.step("Align Left", [&] {
    s.click(a);
    s.shiftClick(b);
    s.shiftClick(c);
    s.d.align(s.form(), AlignKind::Left);
  });
  r.step("Bring to Front", [&] {
    s.click(a);
    s.d.bringToFront();
  });
  r.step("Send to Back", [&] { s.d.sendToBack(); });
  r.step("Place List", [&] { list = s.place(Tool::ListBox, 5, 100); });
  r.step("Items", [&] { ASSERT_TRUE(s.d.setItems({"Red", "Green", "Blue", "Black"})); });
  // Typing "1", "12", "120" into one cell is one step.
  r.step("Change Left", [&] {
    for (const char* typed : {"1", "12", "120"}) ASSERT_TRUE(s.d.applyTyped("Left", typed));
  });
  r.step("Rename", [&] { ASSERT_TRUE(s.d.setValue("Name", "lstChoices")); });
  r.step("Place Dialog", [&] { dialog = s.place(Tool::Dialog, 0, 0); });
  r.step("Place Button", [&] { s.place(Tool::Button, 5, 20, dialog); });
  r.step("Paste", [&] {
    s.click(a);
    auto payload = s.d.copy();
    s.d.showProperties(s.form(), dialog);
    ASSERT_TRUE(s.d.paste(*payload));
    EXPECT_EQ(s.d.selectedControl()->parent(), dialog);
  });
  r.step("Test", [&] {
    s.d.showProperties(s.form(), dialog);
    ASSERT_TRUE(s.d.setValue("Test", "No"));
    EXPECT_EQ(s.form().shownDialog, nullptr);
  });
  r.step("Test", [&] { ASSERT_TRUE(s.d.setValue("Test", "Yes")); });
  r.step("Form Title", [&] {
    s.d.presentForm(s.form());
    ASSERT_TRUE(s.d.setValue("Title", "Choices"));
  });
  r.step("Delete", [&] {
    s.click(dialog->children().front().get());
    s.d.showProperties(s.form(), dialog);
    s.d.deleteSelected();  // the dialog goes with its two children
  });
  r.step("Cut", [&] {
    s.click(c);
    ASSERT_TRUE(s.d.cut());
  });
  EXPECT_EQ(s.form().controlCount(), 3);
  r.undoAndRedoAll();
}

TEST(History, CControlsMenusBitmapsAndTheirSwitches) {
  FormSession s(kLibCControls);
  Recorder r{s};
  r.step("Place Menu", [&] { s.place(Tool::Menu, 0, 0); });  // the menu bar comes with the first menu
  EXPECT_EQ(s.form().windowChildren().size(), 2u);
  r.step("Place Menu", [&] { s.place(Tool::Menu, 0, 0); });
  r.step("Items", [&] { ASSERT_TRUE(s.d.setItems({"Open", "Save", "Quit"})); });
  r.step("Test", [&] {
    s.d.showProperties(s.form(), s.form().windowChildren().front().get());
    ASSERT_TRUE(s.d.setValue("Test", "No"));  // the menu bar hides; the file keeps no visibility
  });
  r.step("Place Bitmap", [&] { s.place(Tool::Bitmap, 20, 20); });
  r.step("Bitmap", [&] {
    Control* pic = s.d.selectedControl();
    pic->property("StringBits")->set(*pic, PropValue(std::string("f0f00f0f")));
  });
  r.step("Place Button", [&] { s.place(Tool::Button, 30, 60); });
  r.step("Font", [&] { ASSERT_TRUE(s.d.setValue("Font", "Large")); });
  r.undoAndRedoAll();

  // Undoing the first menu takes the menu bar with it.
  while (undo(s.d, s.form())) {
  }
  EXPECT_TRUE(s.form().windowChildren().empty());
  EXPECT_TRUE(s.d.formInspected());
}

TEST(History, OnlyChangesMakeStepsAndOneStepMayHoldMany) {
  FormSession s(kLibPToolbox);
  History& h = s.form().history();
  Control* a = s.place(Tool::Button, 0, 0);
  Control* b = s.place(Tool::Button, 0, 30);
  EXPECT_FALSE(h.canUndo());  // changes outside a step are not recorded

  // Selecting, a refused value and an unchanged value are no steps.
  beginStep(s.d, s.form(), "Select");
  s.click(a);
  s.shiftClick(b);
  EXPECT_FALSE(commitStep(s.d, s.form()));
  beginStep(s.d, s.form(), "Change Left");
  EXPECT_FALSE(s.d.applyTyped("Left", ""));
  EXPECT_FALSE(s.d.applyTyped("Left", "x1"));
  EXPECT_TRUE(s.d.applyTyped("Left", s.d.valueText("Left")));
  EXPECT_FALSE(commitStep(s.d, s.form()));
  EXPECT_FALSE(h.canUndo());

  // Steps nest: the outermost one records, under its own name.
  beginStep(s.d, s.form(), "Move");
  beginStep(s.d, s.form(), "Change Left");
  a->setLeft(40);
  EXPECT_FALSE(commitStep(s.d, s.form()));
  b->setLeft(50);
  EXPECT_TRUE(commitStep(s.d, s.form()));
  EXPECT_EQ(h.undoCount(), 1u);
  EXPECT_EQ(h.undoName(), "Move");
  EXPECT_FALSE(commitStep(s.d, s.form()));  // nothing open

  // A cancelled step records nothing; one left open is closed by undo, then undone.
  beginStep(s.d, s.form(), "Delete");
  cancelStep(s.form());
  EXPECT_FALSE(h.open());
  {
    HistoryStepScope scope(s.d, s.form(), "Move");
    a->setTop(90);
  }
  EXPECT_EQ(h.undoCount(), 2u);
  beginStep(s.d, s.form(), "Move");
  a->setTop(100);
  EXPECT_TRUE(undo(s.d, s.form()));
  Control* a2 = s.find("Button1");
  EXPECT_EQ(a2->top(), 90);
  EXPECT_EQ(h.undoCount(), 2u);
  EXPECT_EQ(h.redoName(), "Move");

  // A new step drops what could be redone.
  {
    HistoryStepScope scope(s.d, s.form(), "Move");
    a2->setTop(5);
  }
  EXPECT_FALSE(h.canRedo());

  // Keystrokes into one cell, one step each as the inspector applies them, join under the cell's key.
  s.click(a2);
  const std::string leftBefore = s.d.valueText("Left");
  auto type = [&](const std::string& key, const char* text) {
    beginStep(s.d, s.form(), "Change Left", key);
    s.d.applyTyped("Left", text);
    commitStep(s.d, s.form());
  };
  const size_t steps = h.undoCount();
  for (const char* t : {"1", "12", "", "120"}) type("cell 1", t);
  EXPECT_EQ(h.undoCount(), steps + 1);
  type("cell 2", "121");  // another visit to the cell is another step
  EXPECT_EQ(h.undoCount(), steps + 2);
  EXPECT_TRUE(undo(s.d, s.form()));
  EXPECT_TRUE(undo(s.d, s.form()));
  EXPECT_EQ(s.d.valueText("Left"), leftBefore);
  type("cell 3", "7");
  {
    HistoryStepScope scope(s.d, s.form(), "Move");
    s.find("Button2")->setTop(60);
  }
  type("cell 3", "77");  // a step between them keeps them apart
  EXPECT_EQ(h.undoCount(), steps + 3);
  type("cell 4", "9");
  type("cell 4", "77");  // typed back to what it was: the step is gone
  EXPECT_EQ(h.undoCount(), steps + 3);
  EXPECT_EQ(h.undoName(), "Change Left");
}

TEST(History, DepthIsBoundedAndCountersNeverGoBack) {
  FormSession s(kLibPToolbox);
  History& h = s.form().history();
  EXPECT_GE(h.depth(), 100u);
  Control* a = s.place(Tool::Button, 0, 0);
  std::vector<std::string> files;
  for (int i = 1; i <= int(h.depth()) + 50; ++i) {
    HistoryStepScope step(s.d, s.form(), "Move");
    s.find("Button1")->setLeft(i);
    files.push_back(formToIni(s.form()).serialize());
  }
  EXPECT_EQ(h.undoCount(), h.depth());
  while (undo(s.d, s.form())) {
  }
  EXPECT_EQ(formToIni(s.form()).serialize(), files[49]);  // the oldest 50 are gone
  EXPECT_EQ(h.redoCount(), h.depth());
  (void)a;

  // Names given once are not given again, whatever is undone.
  FormSession n(kLibPToolbox);
  for (int i = 0; i < 2; ++i) {
    HistoryStepScope step(n.d, n.form(), "Place Button");
    n.place(Tool::Button, 0, 20 * i);
  }
  const int counter = n.d.controlCounter;
  EXPECT_TRUE(undo(n.d, n.form()));
  EXPECT_TRUE(undo(n.d, n.form()));
  EXPECT_TRUE(redo(n.d, n.form()));
  EXPECT_EQ(n.d.controlCounter, counter);
  EXPECT_TRUE(undo(n.d, n.form()));
  EXPECT_EQ(n.place(Tool::Button, 0, 0)->name(), "Button3");
  EXPECT_EQ(n.d.controlCounter, counter + 1);
}

TEST(History, RestoringLeavesFilesAloneAndFollowsTheFormsLife) {
  TempDir dir;
  FormSession s(kLibPToolbox);
  FormDocument& form = s.form();
  const std::string path = dir.path + "/Form1.twk";
  form.fileName = path;
  form.windowTop = 12;
  {
    HistoryStepScope step(s.d, form, "Place Button");
    s.place(Tool::Button, 4, 4);
  }
  ASSERT_TRUE(saveForm(form, path, nullptr));  // saving keeps the history
  const auto saved = readWholeFile(path);
  ASSERT_TRUE(saved);
  {
    HistoryStepScope step(s.d, form, "Place Label");
    s.place(Tool::Label, 4, 40);
  }
  EXPECT_EQ(form.history().undoCount(), 2u);
  form.visible = false;  // a closed form keeps its history
  form.windowTop = 30;
  EXPECT_TRUE(undo(s.d, form));
  EXPECT_TRUE(undo(s.d, form));
  EXPECT_TRUE(redo(s.d, form));
  EXPECT_EQ(readWholeFile(path), saved);
  EXPECT_EQ(form.fileName, path);
  EXPECT_EQ(form.windowTop, 30);
  EXPECT_FALSE(form.visible);

  // An inspected control that the restored state does not hold gives way to the form.
  s.d.showProperties(form, s.find("Button1"));
  EXPECT_TRUE(undo(s.d, form));
  EXPECT_TRUE(s.d.formInspected());
  EXPECT_EQ(s.d.selectedForm(), &form);

  // Close-all forgets every form and with them every history.
  s.d.closeAll();
  EXPECT_FALSE(s.d.newForm().history().canUndo());
}

TEST(History, ACloneHoldsEveryValueAndChild) {
  FormSession s(kLibPToolbox);
  auto* dialog = static_cast<TPTDialog*>(s.place(Tool::Dialog, 0, 0));
  auto* list = static_cast<TPTList*>(s.place(Tool::ListBox, 3, 4, dialog));
  list->items = {"a", "b"};
  list->setTrigger("Pop1");
  auto copy = cloneControl(*dialog);
  EXPECT_EQ(copy->parent(), nullptr);
  ASSERT_EQ(copy->children().size(), 1u);
  EXPECT_EQ(copy->children()[0]->parent(), copy.get());
  EXPECT_EQ(writeControlPayload(*copy->children()[0], "x"), writeControlPayload(*list, "x"));
  EXPECT_EQ(static_cast<TPTList&>(*copy->children()[0]).trigger(), "Pop1");
  EXPECT_EQ(copy->name(), dialog->name());
}

}  // namespace tw
