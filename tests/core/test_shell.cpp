#include <gtest/gtest.h>

#include <cctype>

#include "DesignSession.h"
#include "TestFiles.h"
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

  EXPECT_EQ(saveProjectQuestion("Demo").buttons, unsigned(kYes | kNo | kCancel));
  EXPECT_EQ(saveFormQuestion("Form2").text, "Save changes to form Form2?");
  Message r = replaceQuestion("/a/b.twk", kSaveFormReplaceCaption);  // a replace is never the default
  EXPECT_EQ(r.defaultButton, kNo);
  EXPECT_EQ(r.buttons, unsigned(kYes | kNo));

  EXPECT_EQ(withDefaultExtension("/a/Demo", kSaveProjectDialog), "/a/Demo.twp");
  EXPECT_EQ(withDefaultExtension("/a.b/Demo.twp", kSaveProjectDialog), "/a.b/Demo.twp");
}

// A tool is shown exactly when the library has a kind for it.
TEST(Shell, PaletteFollowsTheLibrary) {
  std::array<PaletteButton, kPaletteSize> p{};
  for (int lib : {kLibCControls, kLibPToolbox}) {
    ASSERT_TRUE(paletteFor(lib, p));
    FormSession s(lib);
    for (const PaletteButton& b : p) EXPECT_EQ(b.shown, s.place(b.tool, 1, 1) != nullptr) << lib << b.objectName;
  }
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

  TempDir dir;
  const std::string real = dir.path + "/Real.twp";
  writeText(real, "");
  back.add(real);
  back.removeObsolete();
  EXPECT_EQ(back.items(), std::vector<std::string>{real});
  back.clear();
  EXPECT_TRUE(back.items().empty());

  // Only "F" keys with a number are entries, in either case; another key is no path.
  IniFile hand;
  hand.parse("[MRU Items]\r\nX0=/p/x.twp\r\nf1=/p/f.twp\r\nF=/p/short.twp\r\nF0=/p/a.twp\r\n");
  back.load(hand);
  EXPECT_EQ(back.items(), (std::vector<std::string>{"/p/f.twp", "/p/a.twp"}));
}

TEST(Shell, OptionsFile) {
  IniFile ini;
  EXPECT_EQ(optionsLibrary(ini), 2);
  writeOptionsLibrary(ini, 1);
  EXPECT_EQ(optionsLibrary(ini), 1);
  EXPECT_EQ(toHex(std::string("\x00\x01\xfe\xffQ", 5)), "0001FEFF51");
  EXPECT_EQ(optionsPath("/opt/tw", true, "/x", "/home/u"), "/opt/tw/options.ini");
  EXPECT_EQ(optionsPath("/opt/tw", false, "", "/home/u"), "/home/u/.config/tarnowick/options.ini");
  EXPECT_EQ(optionsPath("/opt/tw", false, "/x", "/home/u"), "/x/tarnowick/options.ini");
}

// The recovery note keeps names as hex, so that any bytes survive the options file's format.
TEST(Shell, HexKeepsEveryByteAndStopsAtTheFirstPairThatIsNotHex) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  std::string upper = toHex(all);
  for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(fromHex(toHex(all)), all);
  EXPECT_EQ(fromHex(upper), all);
  for (char next : std::string("/:@G`g")) {
    EXPECT_EQ(fromHex(std::string("4a4") + next + "4a"), "J") << next;
    EXPECT_EQ(fromHex(std::string("4a") + next + "44a"), "J") << next;
  }
  EXPECT_EQ(fromHex("414"), "A");  // a lone last digit is no byte
  EXPECT_EQ(fromHex(""), "");
}
