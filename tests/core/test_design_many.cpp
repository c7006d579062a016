// Several controls at once (rubber band, delete, clipboard), and what counts as unsaved work of a
// project.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "model/DiskState.h"
#include "model/Shell.h"

namespace tw {

// The band, select all, delete and the clipboard over several controls and dialogs.
TEST(DesignMany, Scripts) { runDesignScripts("design-many.txt"); }

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
