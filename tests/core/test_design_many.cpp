// Several controls at once (rubber band, select all, delete, clipboard, arrow keys), and what
// counts as unsaved work of a project.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "graphics/Fonts.h"
#include "model/ControlStream.h"
#include "model/DiskState.h"
#include "model/History.h"
#include "model/PTDialog.h"
#include "model/Shell.h"

namespace tw {
namespace {

std::string names(const std::vector<Control*>& controls) {
  std::string out;
  for (const Control* c : controls) out += (out.empty() ? "" : " ") + c->name();
  return out;
}

std::string places(const std::vector<Control*>& controls) {
  std::string out;
  for (const Control* c : controls) out += std::to_string(c->left()) + "," + std::to_string(c->top()) + ";";
  return out;
}

// One arrow-key press as the surface makes it.
void press(DesignSession& s, int dx, int dy, bool size) {
  auto sel = s.d.selection(s.form());
  beginStep(s.d, s.form(), size ? "Size" : "Move", nudgeKey(sel, size));
  s.d.nudge(s.form(), dx, dy, size, handheldFonts());
  commitStep(s.d, s.form());
}

}  // namespace

TEST(DesignMany, BandAndClipboardActOnExactlyTheSelection) {
  DesignSession s(kLibPToolbox);
  s.d.newForm();
  Control* a = s.place(Tool::Button, 10, 20);
  Control* b = s.place(Tool::Button, 60, 20);
  Control* c = s.place(Tool::Button, 110, 20);
  Control* far = s.place(Tool::Button, 10, 120);
  const std::string abc = names({a, b, c});

  // A band from right to left, touching c by its left edge only.
  EXPECT_EQ(s.d.selectInBand(s.form(), s.form().screen(), 110, 25, 15, 22, false), 3);
  EXPECT_EQ(names(s.d.selection(s.form())), abc);
  EXPECT_EQ(c->selectColor, kSelectNavy);
  // Shift adds, and the reference of the alignment stays.
  EXPECT_EQ(s.d.selectInBand(s.form(), s.form().screen(), 0, 118, 20, 130, true), 1);
  EXPECT_EQ(names(s.d.selection(s.form())), abc + " " + far->name());
  EXPECT_EQ(s.d.selectedControl(), a);

  // A control picked in the inspector's list alone is what a command acts on, not the marks.
  s.click(a);
  s.shiftClick(b);
  s.d.showProperties(s.form(), c);
  EXPECT_EQ(names(s.d.selection(s.form())), c->name());

  // Copy and paste keep the layout, select the copies alone, and a bad part pastes nothing.
  s.d.selectInBand(s.form(), s.form().screen(), 0, 0, 159, 40, false);
  const std::string layout = places(s.d.selection(s.form()));
  auto payload = s.d.copy();
  ASSERT_TRUE(payload);
  EXPECT_FALSE(s.d.paste(*payload + "TarnowickControl 1\nClass=TPTButton\nName=x\nNoSuchRow=1\n"));
  EXPECT_EQ(s.form().controlCount(), 4);
  ASSERT_TRUE(s.d.paste(*payload));
  auto copies = s.d.selection(s.form());
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(places(copies), layout);
  EXPECT_FALSE(a->selected) << "the copies alone are selected";

}

TEST(DesignMany, DialogsKeepTheirChildrenAndAreNeverActedOnTwice) {
  DesignSession s(kLibPToolbox);
  s.d.newForm();
  Control* outside = s.place(Tool::Button, 5, 5);
  Control* dialog = s.place(Tool::Dialog, 0, 0);
  ASSERT_EQ(s.form().shownDialog, dialog);
  Control* in1 = s.place(Tool::Button, 10, 20, dialog);
  Control* in2 = s.place(Tool::Label, 10, 50, dialog);
  ASSERT_EQ(in1->parent(), dialog);

  // A band over the dialog's background takes its controls, never the dialog or the screen's.
  EXPECT_EQ(s.d.selectInBand(s.form(), *dialog, 0, 0, 200, 200, false), 2);
  EXPECT_EQ(names(s.d.selection(s.form())), in1->name() + " " + in2->name());
  EXPECT_EQ(in1->selectColor, kSelectRed);
  s.d.selectAll(s.form());
  EXPECT_EQ(names(s.d.selection(s.form())), outside->name() + " " + in1->name() + " " + in2->name());

  // The dialog and one of its controls selected: the control goes with the dialog, once.
  s.click(dialog);
  s.shiftClick(in1);
  EXPECT_EQ(names(s.d.selection(s.form())), dialog->name());
  s.d.deleteSelected();
  EXPECT_EQ(s.form().controlCount(), 1);
  EXPECT_EQ(s.form().shownDialog, nullptr);
}

TEST(DesignMany, ArrowPressesMergeOnOneSelectionAndSizesStopAtNothing) {
  DesignSession s(kLibPToolbox);
  s.d.newForm();
  Control* a = s.place(Tool::Button, 10, 20);
  Control* b = s.place(Tool::Button, 60, 20);
  s.click(a);
  s.shiftClick(b);
  const int width = a->width();
  press(s, 1, 0, false);
  press(s, 1, 0, false);
  press(s, -1, 0, true);
  press(s, -1000, 0, true);
  EXPECT_EQ(a->width(), 0);
  EXPECT_EQ(s.form().history().undoCount(), 2u) << "a move and a size";
  // Another selection starts another step, even right after.
  s.click(b);
  press(s, 1, 0, true);
  EXPECT_EQ(s.form().history().undoCount(), 3u);
  ASSERT_TRUE(undo(s.d, s.form()) && undo(s.d, s.form()));
  EXPECT_EQ(s.form().screen().children()[0]->width(), width);
}

TEST(DesignMany, UnsavedWorkOfAProjectCountsWhatNoUndoStepRecords) {
  DesignSession s(kLibPToolbox);
  FormDocument& form = s.d.newForm();
  form.savedText = formText(form);  // as a form window's first showing does
  const auto& forms = s.d.forms();
  std::string saved = projectStateText(s.d.library, forms);
  EXPECT_FALSE(projectModified(saved, s.d.library, forms));
  EXPECT_TRUE(projectModified("", s.d.library, forms)) << "a state never saved is unsaved";

  s.place(Tool::Button, 10, 10);
  EXPECT_TRUE(projectModified(saved, s.d.library, forms));
  form.savedText = formText(form);  // saved
  EXPECT_FALSE(projectModified(saved, s.d.library, forms));

  // Project changes that are no form's undo step.
  form.fileName = "/x/Form1.twk";
  EXPECT_TRUE(projectModified(saved, s.d.library, forms));
  saved = projectStateText(s.d.library, forms);
  form.visible = false;
  EXPECT_TRUE(projectModified(saved, s.d.library, forms));
  saved = projectStateText(s.d.library, forms);
  EXPECT_FALSE(projectModified(saved, kLibPToolbox, forms));
  EXPECT_TRUE(projectModified(saved, kLibCControls, forms));
  // A closed form's changes were declined when it closed: the project does not save it.
  form.savedText.clear();
  EXPECT_FALSE(projectModified(saved, kLibPToolbox, forms));
}

}  // namespace tw
