// Inputs the fuzz targets found faults with, kept so that the faults stay fixed.
#include <gtest/gtest.h>

#include "ini/IniFile.h"
#include "model/Shell.h"

using namespace tw;

// options.ini: a recent project's path with a lone carriage return in it was listed, but saving the
// list wrote the return as a blank, so the list read back named another file. Such a path cannot be
// written into the file as it is: it is not listed, whether read or added.
TEST(FuzzRegressions, RecentProjectPathWithALineBreak) {
  IniFile ini;
  ini.parse("[MRU Items]\r\nF0=/home/u/a.twp\r\nF1=/home/u/b.twp\r\x8a" "f2=x\r\nF2=/home/u/c.twp\r\n");
  RecentProjects mru;
  mru.load(ini);
  EXPECT_EQ(mru.items(), (std::vector<std::string>{"/home/u/a.twp", "/home/u/c.twp"}));
  mru.add("/tmp/new\n.twp");
  mru.add("/tmp/new\r.twp");
  mru.add("/tmp/new.twp");
  EXPECT_EQ(mru.items().front(), "/tmp/new.twp");
  EXPECT_EQ(mru.items().size(), 3u);

  mru.save(ini);
  IniFile again;
  again.parse(ini.serialize());
  RecentProjects back;
  back.load(again);
  EXPECT_EQ(back.items(), mru.items());
}

// A section header on the last line, with nothing after it, made the reader count the section's lines
// from one past the end of the text: "[FORM]" alone as a form, or an options.ini cut after a header,
// crashed the command line and the designer.
TEST(FuzzRegressions, SectionHeaderAtTheVeryEnd) {
  for (const char* text : {"[FORM]", "[A]\r\nk=v\r\n[B]", "[A]\r\n[B]\r", " [C] "}) {
    IniFile ini;
    ini.parse(text);
    ASSERT_FALSE(ini.sections().empty()) << text;
    EXPECT_TRUE(ini.hasSection(ini.sections().back())) << text;
  }
  IniFile ini;
  ini.parse("[A]\r\nk=v\r\n[B]");
  EXPECT_EQ(ini.readString("A", "k", ""), "v");
  EXPECT_EQ(ini.serialize(), "[A]\r\nk=v\r\n\r\n[B]\r\n");
}
