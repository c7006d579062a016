// The generate-code window's panes and the settings it writes into the project file.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "codegen/CodePanes.h"
#include "ini/IniFile.h"

using namespace tw;

TEST(CodePanes, TextAndLinesRoundTripAndCountAsTheFileWillHoldThem) {
  const Lines samples[] = {{}, {""}, {"a"}, {"", ""}, {"x = 1;", "", "}"}, {"caf\xC3\xA9", ""}};
  for (const Lines& l : samples) EXPECT_EQ(paneLines(paneText(l)), l);

  // Typed text: a last line without a break counts, CR LF is one break of two characters.
  EXPECT_EQ(paneLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(paneLines("a\n\n"), (Lines{"a", ""}));
  EXPECT_EQ(paneLines("\r"), (Lines{"\r"}));  // a lone CR is text, not a break
  EXPECT_TRUE(paneLines("").empty());

  EXPECT_EQ(countPane("").lines, 0u);
  EXPECT_EQ(countPane("").chars, 0u);
  PaneCount c = countPane(paneText({"main()", "{", "}"}));
  EXPECT_EQ(c.lines, 3u);
  EXPECT_EQ(c.chars, 6u + 1 + 1 + 3 * 2);  // the size of the file
  c = countPane("a\r\nb");
  EXPECT_EQ(c.lines, 2u);
  EXPECT_EQ(c.chars, 4u);
  c = countPane("caf\xC3\xA9\n");  // é is one character
  EXPECT_EQ(c.lines, 1u);
  EXPECT_EQ(c.chars, 6u);
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
