// Unsaved work, files changed by someone else, and the recovery copies of a run that crashed.
#include <gtest/gtest.h>
#include <unistd.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "model/DiskState.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/Recovery.h"
#include "model/Shell.h"

namespace tw {
namespace {

// A form with one button, saved to dir/Form1.twk and opened again as the designer opens it.
std::unique_ptr<FormDocument> savedForm(DesignSession& s, const std::string& dir) {
  s.d.newForm();
  s.place(Tool::Button, 20, 20);
  std::string path = dir + "/Form1.twk";
  EXPECT_TRUE(saveForm(s.form(), path, nullptr));
  OpenedForm opened = openFormFile(path, s.d.library, kWhite);
  EXPECT_TRUE(opened.form);
  markSaved(*opened.form);
  return std::move(opened.form);
}

// Another program writes the file: same length, so only the stamp can tell.
void writeElsewhere(const std::string& path) {
  std::string bytes = *readWholeFile(path);
  bytes[bytes.find("Title=")] = 't';
  writeText(path, bytes);
}

TEST(DiskState, StampsTellAFileWrittenSinceFromTheSameFile) {
  TempDir dir;
  std::string path = dir.path + "/a.twk";
  writeText(path, "[FORM]\r\nName=A\r\n");
  FileStamp s = stampOf(path);
  EXPECT_FALSE(changedOnDisk(s));
  EXPECT_EQ(FileStamp::fromText(path, s.text()), s);
  writeText(path, "[FORM]\r\nName=B\r\n");  // in place, same size, within the same second
  EXPECT_TRUE(changedOnDisk(s));
  ::unlink(path.c_str());
  EXPECT_FALSE(changedOnDisk(s)) << "a removed file holds nothing a save could overwrite";
  for (const char* bad : {"", "1:2:3:4", "1:2:3:4:5:", "x:2:3:4:5", "1:2:3:4:99999999999999999999", ":::::"})
    EXPECT_FALSE(FileStamp::fromText(path, bad).exists) << bad;
}

TEST(DiskState, ASaveOverAFileChangedElsewhereAsksAndNoKeepsItAndTheWork) {
  TempDir dir;
  DesignSession s(kLibPToolbox);
  auto form = savedForm(s, dir.path);
  EXPECT_FALSE(hasUnsavedChanges(*form));

  // Its own file, as it was read: saved over without a question.
  EXPECT_TRUE(mayOverwriteForm(s.msgs, *form, kSaveFormReplaceCaption));
  EXPECT_TRUE(s.msgs.shown.empty());

  writeElsewhere(form->fileName);
  std::string theirs = *readWholeFile(form->fileName);
  s.msgs.answers = {kNo};
  EXPECT_FALSE(mayOverwriteForm(s.msgs, *form, kSaveFormReplaceCaption));
  EXPECT_NE(s.lastMessage().find("was changed by another program"), std::string::npos);
  EXPECT_EQ(s.msgs.shown.back().defaultButton, kNo);
  EXPECT_TRUE(hasUnsavedChanges(*form)) << "kept their file: ours is still to be saved";
  EXPECT_EQ(*readWholeFile(form->fileName), theirs);

  s.msgs.answers = {kYes};
  EXPECT_TRUE(mayOverwriteForm(s.msgs, *form, kSaveFormReplaceCaption));
  EXPECT_EQ(s.msgs.shown.size(), 2u) << "one question, not the replace question as well";

  // Saved as another file: that file's own history is unknown here, so the replace question.
  std::string other = dir.path + "/Other.twk";
  writeText(other, "x");
  form->fileName = other;
  s.msgs.answers = {kNo};
  EXPECT_FALSE(mayOverwriteForm(s.msgs, *form, kSaveFormReplaceCaption));
  EXPECT_NE(s.lastMessage().find("already exists"), std::string::npos);
}

TEST(DiskState, UnsavedChangesFollowTheFormsTextAndReloadReadsTheFileAsOneStep) {
  TempDir dir;
  DesignSession s(kLibPToolbox);
  auto owned = savedForm(s, dir.path);
  FormDocument& form = s.d.addForm(std::move(owned));
  Control* b = form.findComponent("Button1");
  ASSERT_TRUE(b);
  s.click(b);
  {
    HistoryStepScope step(s.d, form, "Change Left");
    EXPECT_TRUE(s.d.setValue("Left", "40"));
  }
  EXPECT_TRUE(hasUnsavedChanges(form));
  undo(s.d, form);
  EXPECT_FALSE(hasUnsavedChanges(form)) << "undone back to the saved form";

  // Another program adds a label and renames the title.
  DesignSession other(kLibPToolbox);
  auto theirs = openFormFile(form.fileName, kLibPToolbox, kWhite);
  FormDocument& t = other.d.addForm(std::move(theirs.form));
  other.place(Tool::Label, 5, 60);
  t.screen().title = "Theirs";
  ASSERT_TRUE(saveForm(t, form.fileName, nullptr));

  std::string why;
  ASSERT_TRUE(reloadForm(s.d, form, &why, nullptr)) << why;
  EXPECT_EQ(form.screen().title, "Theirs");
  EXPECT_EQ(form.controlCount(), 2);
  EXPECT_TRUE(s.d.formInspected()) << "the old controls are gone, so the form is inspected";
  EXPECT_FALSE(hasUnsavedChanges(form));
  EXPECT_FALSE(changedOnDisk(form.diskStamp));
  EXPECT_EQ(form.history().undoName(), "Reload");
  undo(s.d, form);
  EXPECT_EQ(form.controlCount(), 1);
  EXPECT_TRUE(hasUnsavedChanges(form)) << "the form no longer holds what its file holds";

  writeText(form.fileName, "not a form");
  EXPECT_FALSE(reloadForm(s.d, form, &why, nullptr));
  EXPECT_EQ(form.controlCount(), 1);
}

TEST(Recovery, CopiesOfUnsavedWorkOutliveACrashAndNoOtherRun) {
  TempDir dir;
  std::string root = recoveryRoot(dir.path + "/state", "/nowhere");
  EXPECT_EQ(root, dir.path + "/state/tarnowick/recovery");
  EXPECT_EQ(recoveryRoot("relative", "/home/u"), "/home/u/.local/state/tarnowick/recovery");

  DesignSession s(kLibCControls);
  auto saved = savedForm(s, dir.path);  // Form1, saved, Button1
  FormDocument& onFile = s.d.addForm(std::move(saved));
  FormDocument& fresh = s.d.newForm();  // Form2, never saved, with a label
  s.place(Tool::Label, 10, 10);
  std::string before = *readWholeFile(onFile.fileName);

  WorkSnapshot work{"Demo", dir.path + "/Demo.twp", stampOf(dir.path + "/Demo.twp"), kLibCControls,
                    {&onFile, &fresh}};
  std::string why;
  auto writer = std::make_unique<RecoveryWriter>(root);
  ASSERT_TRUE(writer->update(work, &why)) << why;
  EXPECT_TRUE(leftoverSessions(root).empty()) << "a live run's copies are its own";

  // The saved form is edited too.
  s.d.activate(onFile);
  s.click(onFile.findComponent("Button1"));
  ASSERT_TRUE(s.d.setValue("Left", "77"));
  ASSERT_TRUE(writer->update(work, &why)) << why;
  EXPECT_EQ(*readWholeFile(onFile.fileName), before) << "copies never go over the user's files";

  writer.reset();  // the run dies: its lock goes, its copies stay
  auto left = leftoverSessions(root);
  ASSERT_EQ(left.size(), 1u);
  const RecoverySession& r = left[0];
  EXPECT_EQ(r.projectName, "Demo");
  EXPECT_EQ(r.library, kLibCControls);
  ASSERT_EQ(r.forms.size(), 2u);
  EXPECT_EQ(r.forms[0].file, onFile.fileName);
  EXPECT_EQ(r.forms[0].stamp, onFile.diskStamp);
  EXPECT_NE(restoreQuestion(r).text.find("project Demo, forms Form1, Form2"), std::string::npos);

  std::vector<std::string> msgs;
  auto back = readRecoveredForm(r.forms[0], r.library, kWhite, &why, &msgs);
  ASSERT_TRUE(back) << why;
  EXPECT_EQ(back->fileName, onFile.fileName);
  EXPECT_EQ(back->findComponent("Button1")->left(), onFile.findComponent("Button1")->left());
  EXPECT_NE(back->findComponent("Button1")->left(),
            openFormFile(onFile.fileName, kLibCControls, kWhite).form->findComponent("Button1")->left());
  EXPECT_TRUE(hasUnsavedChanges(*back));
  auto back2 = readRecoveredForm(r.forms[1], r.library, kWhite, &why, &msgs);
  ASSERT_TRUE(back2);
  EXPECT_EQ(back2->formName, "Form2");
  EXPECT_TRUE(back2->fileName.empty());
  EXPECT_EQ(back2->controlCount(), 1);

  removeSession(r.folder);
  EXPECT_TRUE(leftoverSessions(root).empty());
  EXPECT_FALSE(isDirectory(r.folder));
}

TEST(Recovery, ASaveRemovesTheCopiesAndABrokenNoteIsNeitherTrustedNorKept) {
  TempDir dir;
  std::string root = dir.path + "/rec";
  DesignSession s(kLibPToolbox);
  auto saved = savedForm(s, dir.path);
  FormDocument& form = s.d.addForm(std::move(saved));
  WorkSnapshot work{"", "", {}, kLibPToolbox, {&form}};
  RecoveryWriter writer(root);
  ASSERT_TRUE(writer.update(work, nullptr));
  EXPECT_FALSE(isDirectory(writer.folder())) << "nothing unsaved, nothing kept";
  s.click(form.findComponent("Button1"));
  ASSERT_TRUE(s.d.setValue("Top", "90"));
  ASSERT_TRUE(writer.update(work, nullptr));
  EXPECT_TRUE(fileExists(writer.folder() + "/form0.twk"));
  // A link put in place of a copy is replaced, never written through.
  std::string outside = dir.path + "/outside.txt";
  writeText(outside, "mine");
  ::unlink((writer.folder() + "/form0.twk").c_str());
  ASSERT_EQ(::symlink(outside.c_str(), (writer.folder() + "/form0.twk").c_str()), 0);
  ASSERT_TRUE(s.d.setValue("Top", "91"));
  ASSERT_TRUE(writer.update(work, nullptr));
  EXPECT_EQ(*readWholeFile(outside), "mine");
  ASSERT_TRUE(saveForm(form, form.fileName, nullptr));
  markSaved(form);
  ASSERT_TRUE(writer.update(work, nullptr));
  EXPECT_FALSE(isDirectory(writer.folder()));

  // Leftovers whose note is garbage or points outside their folder.
  for (const char* note : {"\xff\xfe[Session\r\nLib=2", "[Session]\r\nLib=2\r\nForms=1\r\n[Form0]\r\nCopy=../../Form1.twk\r\n",
                           "[Session]\r\nLib=9\r\nForms=1\r\n[Form0]\r\nCopy=form0.twk\r\n"}) {
    std::string folder = root + "/dead";
    makeDir(folder);
    writeText(folder + "/lock", "");
    writeText(folder + "/form0.twk", "[FORM]\r\nName=X\r\n");
    writeText(folder + "/session.ini", note);
    EXPECT_TRUE(leftoverSessions(root).empty()) << note;
    EXPECT_FALSE(isDirectory(folder)) << note;
  }
  EXPECT_TRUE(fileExists(form.fileName));

  // Copies that cannot be kept are reported, not pretended.
  writeText(dir.path + "/file", "");
  RecoveryWriter blocked(dir.path + "/file/rec");
  ASSERT_TRUE(s.d.setValue("Top", "92"));
  std::string why;
  EXPECT_FALSE(blocked.update(work, &why));
  EXPECT_EQ(why.rfind("Cannot make the folder " + dir.path + "/file/rec: ", 0), 0u) << why;
}

}  // namespace
}  // namespace tw
