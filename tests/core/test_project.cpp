// Project files: what saving lists and keeps, what opening reopens and skips.
#include <gtest/gtest.h>

#include <optional>

#include "TestFiles.h"
#include "ccontrols/CCButton.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/FormDocument.h"
#include "model/FormFile.h"
#include "model/Project.h"
#include "model/Shell.h"
#include "ptoolbox/PTButton.h"

using namespace tw;

namespace {

std::unique_ptr<FormDocument> formWithButton(int lib, const std::string& name, const std::string& file) {
  auto f = std::make_unique<FormDocument>(lib, name);
  f->fileName = file;
  std::unique_ptr<Control> b;
  if (lib == 1)
    b = std::make_unique<TCCButton>();
  else
    b = std::make_unique<TPTButton>();
  b->setNameUnchecked("Button1");
  f->add(std::move(b), &f->screen());
  return f;
}

// What opening a project gave, one fact a line, with the scratch folder read as DIR.
std::string describe(const OpenedProject& o, const std::string& dir) {
  auto n = [](std::optional<int> v) { return v ? std::to_string(*v) : std::string("-"); };
  std::string out = "project " + o.project.name + " at " + o.project.file + ", library " +
                    std::to_string(o.project.library) + (o.refused ? ", refused" : "") + "\n";
  if (!o.error.empty()) out += "error: " + o.error + "\n";
  for (const auto& m : o.messages) out += "message: " + m + "\n";
  for (const auto& f : o.skipped) out += "skipped: " + f + "\n";
  for (const auto& pf : o.project.forms) {
    out += "form " + pf.form->formName + " of library " + std::to_string(pf.form->library()) + " from " +
           pf.form->fileName + ":";
    for (const auto& c : pf.form->screen().children()) out += std::string(" ") + c->className() + " " + c->name();
    out += "\n";
  }
  const WindowSettings& w = o.windows;
  out += "inspector " + std::string(w.inspectorShown ? "shown" : "hidden") + " at " + std::to_string(w.inspectorTop) +
         "," + std::to_string(w.inspectorLeft) + ", magnifier " + (w.magnifierShown ? "shown" : "hidden") + " at " +
         n(w.magnifierTop) + "," + n(w.magnifierLeft) + "\n";
  for (size_t at; (at = out.find(dir)) != std::string::npos;) out.replace(at, dir.size(), "DIR");
  return out;
}

}  // namespace

TEST(Project, SavingListsVisibleFormsAndKeepsTheGenerationSettings) {
  TempDir dir;
  const std::string path = dir.path + "/Demo.twp";
  writeText(path,
            "[Project]\r\nName=old\r\nLib=2\r\n[Code]\r\nCreatorID=ABCD\r\nFirstForm=Third\r\n[Icons]\r\nLarge1=/x/l1.bmp\r\n"
            "[ActiveForms]\r\nForm7=/gone.twk\r\n");
  Project p;
  p.library = 1;
  p.forms.push_back({formWithButton(1, "First", dir.path + "/First.twk"), true});
  p.forms.push_back({formWithButton(1, "Second", dir.path + "/Second.twk"), false});
  p.forms.push_back({formWithButton(1, "Third", dir.path + "/Third.twk"), true});
  p.forms.push_back({formWithButton(1, "Gone", dir.path + "/Gone.twk"), false, false});
  WindowSettings w;
  w.inspectorShown = true, w.inspectorTop = 12, w.inspectorLeft = 34;
  w.magnifierShown = true, w.magnifierTop = 56;
  std::string why;
  ASSERT_TRUE(writeProjectFile(p, path, w, saveFormsToTheirFiles(), &why)) << why;
  EXPECT_TRUE(fileExists(dir.path + "/First.twk"));
  EXPECT_FALSE(fileExists(dir.path + "/Second.twk"));  // a closed form is not saved, but stays listed
  EXPECT_TRUE(fileExists(dir.path + "/Third.twk"));

  // Not the removed form; the generation settings as they were; a place not known is written as 0.
  std::string text = readWholeFile(path).value_or("<missing>") + describe(readProjectFile(path, kWhite), dir.path);
  for (size_t at; (at = text.find(dir.path)) != std::string::npos;) text.replace(at, dir.path.size(), "DIR");
  EXPECT_EQ(text, goldenText("project-saved.txt", text));
}

TEST(Project, AFormThatCannotBeWrittenIsReportedAndTheRestIsSaved) {
  TempDir dir;
  makeDir(dir.path + "/Blocked.twk");  // a folder where a form file goes
  Project p;
  p.forms.push_back({formWithButton(1, "Blocked", dir.path + "/Blocked.twk"), true});
  p.forms.push_back({formWithButton(1, "Fine", dir.path + "/Fine.twk"), true});
  std::string why;
  EXPECT_FALSE(writeProjectFile(p, dir.path + "/P.twp", {}, saveFormsToTheirFiles(), &why));
  EXPECT_NE(why.find("Blocked.twk"), std::string::npos);
  EXPECT_TRUE(fileExists(dir.path + "/Fine.twk"));
  EXPECT_TRUE(fileExists(dir.path + "/P.twp"));
  EXPECT_EQ(dir.list(), (std::vector<std::string>{"Blocked.twk", "Fine.twk", "P.twp"}));  // no temporaries left
}

TEST(Project, OpeningFollowsTheKeysAndSkipsWhatCannotBeOpened) {
  TempDir dir;
  makeDir(dir.path + "/forms");
  saveForm(*formWithButton(2, "Later", ""), dir.path + "/forms/Later.twk", nullptr);
  saveForm(*formWithButton(2, "Earlier", ""), dir.path + "/Earlier.twk", nullptr);
  writeText(dir.path + "/NoName.twk", "[FORM]\r\nTitle=x\r\nLib=2\r\n");
  writeText(dir.path + "/Huge.twk", "");  // there, but beyond what is read
  ASSERT_EQ(::truncate((dir.path + "/Huge.twk").c_str(), off_t(kMaxInputFile + 1)), 0);
  const std::string path = dir.path + "/P.twp";
  writeText(path,
            "[Project]\r\nLib=2\r\n[Zoom]\r\nActive=1\r\nLeft=40\r\n[ActiveForms]\r\nForm9=" + dir.path +
                "/Earlier.twk\r\nForm1=/no/such/file.twk\r\nForm3=NoName.twk\r\nForm2=\r\nForm0=forms/Later.twk\r\n"
                "Form4=Huge.twk\r\n");
  // Forms follow the keys' order, relative to the project's folder; a magnifier place not given
  // leaves it where it is. A project file that is not there opens as an empty project of library 1;
  // one that cannot be read says why, under the name its file gives.
  makeDir(dir.path + "/Dir.twp");
  std::string got;
  for (const std::string& p : {path, dir.path + "/Missing.twp", dir.path + "/Dir.twp"})
    got += describe(readProjectFile(p, kWhite), dir.path);
  EXPECT_EQ(got, goldenText("project-opened.txt", got));
}

// A form is only ever read with its own library: read with the other one it would come up without
// the kinds that library lacks, and the next save would write it back so.
TEST(Project, FormsOfAnotherLibraryAreSkippedAndAnUnknownLibraryIsRefused) {
  TempDir dir;
  const std::string cc = dir.path + "/CC.twk", pt = dir.path + "/PT.twk", path = dir.path + "/P.twp";
  ASSERT_TRUE(saveForm(*formWithButton(1, "CC", ""), cc, nullptr));
  ASSERT_TRUE(saveForm(*formWithButton(2, "PT", ""), pt, nullptr));
  const std::string ccText = *readWholeFile(cc);
  std::string got;
  for (const char* lib : {"1", "2", "3", "0", "-2147483648"}) {
    writeText(path, std::string("[Project]\r\nLib=") + lib + "\r\n[ActiveForms]\r\nForm0=" + cc + "\r\nForm1=" + pt + "\r\n");
    got += describe(readProjectFile(path, kWhite), dir.path);
  }
  EXPECT_EQ(got, goldenText("project-libraries.txt", got));
  EXPECT_EQ(*readWholeFile(cc), ccText);
}

TEST(Project, TheExamplesOpenWithEveryFormAsTheDesignerSavesIt) {
  for (const char* lib : {"ccontrols", "ptoolbox"}) {
    OpenedProject o = readProjectFile(std::string(TW_EXAMPLES_DIR) + "/" + lib + "/Demo.twp", kWhite);
    EXPECT_TRUE(o.skipped.empty()) << lib;
    EXPECT_TRUE(o.messages.empty()) << lib;
    ASSERT_GE(o.project.forms.size(), 2u) << lib;
    for (const auto& pf : o.project.forms)
      EXPECT_EQ(formToIni(*pf.form).serialize(), *readWholeFile(pf.form->fileName)) << pf.form->fileName;
  }
}

// The designer lends its forms to the project writer and takes them back whatever happens.
TEST(Project, TheDesignersFormsAreLentToTheWriterAndKept) {
  TempDir dir;
  std::vector<std::unique_ptr<FormDocument>> forms;
  for (const char* n : {"A", "B", "C"}) forms.push_back(formWithButton(2, n, dir.path + "/" + n + ".twk"));
  forms[1]->visible = false;                        // closed: listed, not saved
  forms[2]->visible = forms[2]->inProject = false;  // removed from the project
  std::string why;
  ASSERT_TRUE(writeDesignerProject(2, forms, dir.path + "/P.twp", {}, saveFormsToTheirFiles(), &why)) << why;
  EXPECT_EQ(dir.list(), (std::vector<std::string>{"A.twk", "P.twp"}));
  EXPECT_EQ(forms[1]->formName, "B");  // still owned here
  IniFile ini;
  ASSERT_TRUE(ini.load(dir.path + "/P.twp"));
  EXPECT_EQ(ini.keys("ActiveForms"), (std::vector<std::string>{"Form0", "Form1"}));
  EXPECT_EQ(ini.readInteger("Project", "Lib", 0), 2);
  EXPECT_FALSE(writeDesignerProject(2, forms, dir.path + "/no/P.twp", {}, saveFormsToTheirFiles(), &why));
  EXPECT_EQ(forms[0]->formName, "A");
}
