// Undo and redo: every kind of design change taken back and done again gives the exact form.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "base/FileIO.h"
#include "model/ControlStream.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTList.h"

namespace tw {

// Every kind of step, how steps nest and join, and the counters that undo never takes back.
TEST(History, Scripts) { runDesignScripts("design-history.txt"); }

TEST(History, DepthIsBounded) {
  FormSession s(kLibPToolbox);
  History& h = s.form().history();
  EXPECT_GE(h.depth(), 100u);
  s.place(Tool::Button, 0, 0);
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
