#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ini/IniFile.h"
#include "model/Family.h"
#include "model/FormDocument.h"
#include "model/Shell.h"

using namespace tw;

TEST(Shell, CaptionsAndQuestions) {
  EXPECT_EQ(mainCaption(""), "Tarnowick 1.0");
  EXPECT_EQ(mainCaption("Project1"), "Tarnowick 1.0 - Project1");
  FormDocument form(2, "Form1");
  EXPECT_EQ(formCaption(form), "Form1.twk");
  form.fileName = "/tmp/x/Main.twk";
  EXPECT_EQ(formCaption(form), "Main.twk");

  Message q = saveProjectQuestion("Demo");
  EXPECT_EQ(q.caption, "Confirm");
  EXPECT_EQ(q.text, "Save changes to project Demo?");
  EXPECT_EQ(q.buttons, unsigned(kYes | kNo | kCancel));
  EXPECT_EQ(saveFormQuestion("Form2").text, "Save changes to form Form2?");
  Message r = replaceQuestion("/a/b.twk", kSaveFormReplaceCaption);
  EXPECT_EQ(r.text, "/a/b.twk already exists. Do you want to replace it?");
  EXPECT_EQ(r.caption, "Save form");
  EXPECT_EQ(r.defaultButton, kNo);
  EXPECT_EQ(r.buttons, unsigned(kYes | kNo));

  EXPECT_EQ(withDefaultExtension("/a/Demo", kSaveProjectDialog), "/a/Demo.twp");
  EXPECT_EQ(withDefaultExtension("/a.b/Demo.twp", kSaveProjectDialog), "/a.b/Demo.twp");
}

TEST(Shell, PaletteFollowsTheLibrary) {
  std::array<PaletteButton, kPaletteSize> p{};
  ASSERT_TRUE(paletteFor(1, p));
  int shown = 0;
  for (auto& b : p) shown += b.shown;
  EXPECT_EQ(shown, 13);
  EXPECT_STREQ(p[5].hint, "Edit");
  EXPECT_FALSE(p[1].shown);  // Select Box
  EXPECT_TRUE(p[13].shown);  // Menu
  ASSERT_TRUE(paletteFor(2, p));
  shown = 0;
  for (auto& b : p) shown += b.shown;
  EXPECT_EQ(shown, 11);
  EXPECT_STREQ(p[10].hint, "List");
  EXPECT_STREQ(p[14].hint, "Bitmap");
  EXPECT_TRUE(p[15].shown);  // GSI
  EXPECT_FALSE(p[13].shown);
  EXPECT_FALSE(paletteFor(3, p));
  EXPECT_EQ(libraryName(2), "PToolboxLib");
}

TEST(Shell, RecentProjectsKeepTenMostRecentFirst) {
  RecentProjects mru;
  for (int i = 0; i < 12; ++i) mru.add("/p/" + std::to_string(i) + ".twp");
  ASSERT_EQ(mru.items().size(), 10u);
  EXPECT_EQ(mru.items().front(), "/p/11.twp");
  mru.add("/p/5.twp");
  EXPECT_EQ(mru.items().front(), "/p/5.twp");
  EXPECT_EQ(mru.items().size(), 10u);

  IniFile ini;
  ini.writeString("MRU Items", "F15", "stale");
  mru.save(ini);
  EXPECT_FALSE(ini.value("MRU Items", "F15"));
  EXPECT_EQ(ini.readString("MRU Items", "F0", ""), "/p/5.twp");
  RecentProjects back;
  back.load(ini);
  EXPECT_EQ(back.items(), mru.items());

  auto dir = std::filesystem::temp_directory_path() / "tw_shell_mru";
  std::filesystem::create_directories(dir);
  std::string real = (dir / "Real.twp").string();
  std::FILE* f = std::fopen(real.c_str(), "w");
  ASSERT_TRUE(f);
  std::fclose(f);
  back.add(real);
  back.removeObsolete();
  EXPECT_EQ(back.items(), std::vector<std::string>{real});
  back.clear();
  EXPECT_TRUE(back.items().empty());
  std::filesystem::remove_all(dir);
}

TEST(Shell, OptionsFile) {
  IniFile ini;
  EXPECT_EQ(optionsLibrary(ini), 2);
  writeOptionsLibrary(ini, 1);
  EXPECT_EQ(optionsLibrary(ini), 1);
  std::string bytes("\x00\x01\xfe\xffQ", 5);
  EXPECT_EQ(toHex(bytes), "0001FEFF51");
  EXPECT_EQ(fromHex(toHex(bytes)), bytes);
  EXPECT_EQ(fromHex("41zz42"), "A");
  EXPECT_EQ(optionsPath("/opt/tw", true, "/x", "/home/u"), "/opt/tw/options.ini");
  EXPECT_EQ(optionsPath("/opt/tw", false, "", "/home/u"), "/home/u/.config/tarnowick/options.ini");
  EXPECT_EQ(optionsPath("/opt/tw", false, "/x", "/home/u"), "/x/tarnowick/options.ini");
}

TEST(Shell, ProjectSavesOnlyVisibleFormsListsClosedOnesAndKeepsThem) {
  auto dir = std::filesystem::temp_directory_path() / "tw_shell_project";
  std::filesystem::create_directories(dir);
  std::vector<std::unique_ptr<FormDocument>> forms;
  for (const char* n : {"A", "B", "C", "D"}) {
    forms.push_back(std::make_unique<FormDocument>(2, n));
    forms.back()->fileName = (dir / (std::string(n) + ".twk")).string();
  }
  forms[1]->visible = false;  // closed
  forms[3]->visible = forms[3]->inProject = false;  // removed from the project
  int saved = 0;
  std::string why;
  ASSERT_TRUE(writeDesignerProject(2, forms, (dir / "P.twp").string(), WindowSettings{},
                                   [&](FormDocument&, AtomicBatch&) { ++saved; }, &why))
      << why;
  EXPECT_EQ(saved, 2);
  EXPECT_EQ(forms[1]->formName, "B");  // still owned here
  IniFile ini;
  ASSERT_TRUE(ini.load((dir / "P.twp").string()));
  EXPECT_EQ(ini.keys("ActiveForms"), (std::vector<std::string>{"Form0", "Form1", "Form2"}));
  EXPECT_EQ(ini.readInteger("Project", "Lib", 0), 2);
  std::filesystem::remove_all(dir);
}
