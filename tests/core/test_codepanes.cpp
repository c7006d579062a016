// The generate-code window's panes and the settings it writes into the project file.
#include <gtest/gtest.h>

#include <tuple>

#include "TestFiles.h"
#include "codegen/CodePanes.h"
#include "ini/IniFile.h"

using namespace tw;

TEST(CodePanes, TextAndLinesRoundTripAndCountAsTheFileWillHoldThem) {
  const Lines samples[] = {{}, {""}, {"a"}, {"", ""}, {"x = 1;", "", "}"}, {"caf\xC3\xA9", ""}};
  for (const Lines& l : samples) EXPECT_EQ(paneLines(paneText(l)), l);

  // Typed text: a last line without a break counts, CR LF is one break of two characters, a lone CR is
  // text; the count is of the file it will be (é is one character).
  const std::pair<std::string, Lines> typed[] = {{"a\r\nb", {"a", "b"}}, {"a\n\n", {"a", ""}}, {"\r", {"\r"}}, {"", {}}};
  for (const auto& [t, lines] : typed) EXPECT_EQ(paneLines(t), lines) << t;
  const std::tuple<std::string, size_t, size_t> counts[] = {
      {"", 0, 0}, {paneText({"main()", "{", "}"}), 3, 6 + 1 + 1 + 3 * 2}, {"a\r\nb", 2, 4}, {"caf\xC3\xA9\n", 1, 6}};
  for (const auto& [t, lines, chars] : counts) {
    EXPECT_EQ(countPane(t).lines, lines) << t;
    EXPECT_EQ(countPane(t).chars, chars) << t;
  }
}

TEST(CodePanes, SettingsAreWrittenIntoTheProjectFileKeepingTheRest) {
  TempDir dir;
  const std::string project = dir.path + "/P.twp";
  writeText(project, "[Project]\r\nName=P.twp\r\nLib=2\r\n[ActiveForms]\r\nForm1=Main.twk\r\n[Icons]\r\nSmall2=/x.bmp\r\n");

  GenerationSettings s;
  s.output = "out";
  s.firstForm = "Main";
  s.memos = true;
  s.creatorId = "ABCD";
  std::string why;
  ASSERT_TRUE(storeCodeSettings(project, s, &why)) << why;
  ASSERT_TRUE(storeIconChoice(project, 0, dir.path + "/big.bmp", &why)) << why;

  IniFile ini;
  ASSERT_TRUE(ini.load(project));
  EXPECT_EQ(ini.readString("Project", "Lib", ""), "2");
  EXPECT_EQ(ini.readString("ActiveForms", "Form1", ""), "Main.twk");
  GenerationSettings back = readGenerationSettings(ini, "unused");
  EXPECT_EQ(back.output, "out");
  EXPECT_EQ(back.firstForm, "Main");
  EXPECT_TRUE(back.memos);
  EXPECT_EQ(back.creatorId, "ABCD");
  EXPECT_EQ(back.appName, "Application");
  EXPECT_EQ(back.icons[0], dir.path + "/big.bmp");
  EXPECT_EQ(back.icons[3], "/x.bmp");

  // Only stored pictures that still exist are shown and saved.
  writeText(dir.path + "/big.bmp", "BM");
  auto icons = existingIcons(back);
  EXPECT_EQ(icons[0], dir.path + "/big.bmp");
  EXPECT_EQ(icons[3], "");

  // A project file that cannot be read is left alone.
  makeDir(dir.path + "/dir.twp");
  EXPECT_FALSE(storeCodeSettings(dir.path + "/dir.twp", s, &why));
  EXPECT_FALSE(why.empty());
}
