// Several controls at once (rubber band, delete, clipboard), and what counts as unsaved work of a
// project.
#include <gtest/gtest.h>

#include "DesignSession.h"
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

}  // namespace

TEST(DesignMany, BandAndClipboardActOnExactlyTheSelection) {
  DesignSession s(kLibPToolbox);
  s.d.newForm();
  Control* a = s.place(Tool::Button, 10, 20);
  Control* b = s.place(Tool::Button, 60, 20);
  Control* c = s.place(Tool::Button, 110, 20);
  s.place(Tool::Button, 10, 120);

  // A band touching c by its left edge only; Shift adds, and the alignment's reference stays.
  EXPECT_EQ(s.d.selectInBand(s.form(), s.form().screen(), 110, 25, 15, 22, false), 3);
  EXPECT_EQ(s.d.selectInBand(s.form(), s.form().screen(), 0, 118, 20, 130, true), 1);
  EXPECT_EQ(s.d.selection(s.form()).size(), 4u);
  EXPECT_EQ(s.d.selectedControl(), a);

  // A control picked in the inspector's list alone is what a command acts on, not the marks.
  s.click(a);
  s.shiftClick(b);
  s.d.showProperties(s.form(), c);
  EXPECT_EQ(names(s.d.selection(s.form())), c->name());

  // Copy and paste keep the layout (stepping off the originals together), select the copies alone, and
  // a bad part pastes nothing.
  s.d.selectInBand(s.form(), s.form().screen(), 0, 0, 159, 40, false);
  const auto originals = s.d.selection(s.form());
  auto payload = s.d.copy();
  ASSERT_TRUE(payload);
  EXPECT_FALSE(s.d.paste(*payload + "TarnowickControl 1\nClass=TPTButton\nName=x\nNoSuchRow=1\n"));
  EXPECT_EQ(s.form().controlCount(), 4);
  ASSERT_TRUE(s.d.paste(*payload));
  auto copies = s.d.selection(s.form());
  ASSERT_EQ(copies.size(), 3u);
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ(std::pair(copies[i]->left(), copies[i]->top()),
              std::pair(originals[i]->left() + 8, originals[i]->top() + 8));
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

  // A band over the dialog's background takes its controls, never the dialog or the screen's.
  EXPECT_EQ(s.d.selectInBand(s.form(), *dialog, 0, 0, 200, 200, false), 2);
  EXPECT_EQ(names(s.d.selection(s.form())), in1->name() + " " + in2->name());
  in2->visible = false;  // a hidden control is never caught
  EXPECT_EQ(s.d.selectInBand(s.form(), *dialog, 0, 0, 200, 200, false), 1);
  in2->visible = true;
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

  // Project changes that are no form's undo step.
  form.fileName = "/x/Form1.twk";
  EXPECT_TRUE(projectModified(saved, s.d.library, forms));
  form.visible = false;
  EXPECT_TRUE(projectModified(saved, s.d.library, forms));
  form.fileName.clear();
  EXPECT_TRUE(projectModified(saved, s.d.library, forms));
  saved = projectStateText(s.d.library, forms);
  EXPECT_TRUE(projectModified(saved, kLibCControls, forms));
  // A closed form's changes were declined when it closed: the project does not save it.
  form.savedText.clear();
  EXPECT_FALSE(projectModified(saved, kLibPToolbox, forms));
}

}  // namespace tw
