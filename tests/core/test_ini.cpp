#include <gtest/gtest.h>

#include "base/Cp1252.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "graphics/Font.h"
#include "TestFiles.h"

#include <sstream>

using namespace tw;

namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string all;
  for (const auto& i : items) all += (all.empty() ? "'" : ", '") + escape(i) + "'";
  return "-> " + all + "\n";
}

// The sessions of files-ini.txt: "parse TEXT" reads a file's text (escaped as unescape() reads it); "write S
// K TEXT", "write integer S K N", "write bool S K 0|1", "write list S A|B|C", "erase S" change it; "reread"
// parses what it writes. Questions, answered on "-> " lines: "read S K", "integer S K" (3 when no number),
// "bool S K", "list S" (empty items kept), "list present S", "sections", "keys S", "index S", "at I K",
// "text" (what it writes, a line each).
struct IniSession {
  IniFile ini;
  std::string run(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word && w.size() < 5;) w.push_back(word);
    auto rest = [&](size_t words) {
      size_t at = 0;
      for (size_t k = 0; k < words; ++k) at = line.find(' ', at) + 1;
      return unescape(line.substr(at));
    };
    if (w[0] == "parse") ini = IniFile(), ini.parse(rest(1));
    if (w[0] == "reread") ini.parse(ini.serialize());
    if (w[0] == "erase") ini.eraseSection(w[1]);
    if (w[0] == "write" && w[1] == "integer") ini.writeInteger(w[2], w[3], std::stoll(w[4]));
    else if (w[0] == "write" && w[1] == "bool") ini.writeBool(w[2], w[3], w[4] == "1");
    else if (w[0] == "write" && w[1] == "list") {
      std::vector<std::string> items;
      const std::string all = rest(3) + "|";
      for (size_t at = 0, bar; (bar = all.find('|', at)) != std::string::npos; at = bar + 1) items.push_back(all.substr(at, bar - at));
      ini.writeList(w[2], items);
    } else if (w[0] == "write") ini.writeString(w[1], w[2], rest(3));
    if (w[0] == "read") return "-> '" + escape(ini.readString(w[1], w[2], "<none>")) + "'\n";
    if (w[0] == "integer") return "-> " + std::to_string(ini.readInteger(w[1], w[2], 3)) + "\n";
    if (w[0] == "bool") return ini.readBool(w[1], w[2], false) ? "-> true\n" : "-> false\n";
    if (w[0] == "list") {
      auto items = ini.readList(w.back(), w[1] != "present");
      return items ? joined(*items) : "-> none\n";
    }
    if (w[0] == "sections") return joined(ini.sections());
    if (w[0] == "keys") return joined(ini.keys(w[1]));
    if (w[0] == "index") return "-> " + std::to_string(ini.sectionIndex(w[1]).value_or(99)) + "\n";
    if (w[0] == "at") return "-> '" + escape(ini.valueAt(std::stoul(w[1]), w[2]).value_or("<none>")) + "'\n";
    std::string text;
    for (size_t at = 0, eol; w[0] == "text" && at < ini.serialize().size(); at = eol + 1)
      eol = ini.serialize().find('\n', at), text += "-> " + escape(ini.serialize().substr(at, eol - at)) + "\n";
    return text;
  }
};

}  // namespace

TEST(Ini, Sessions) { expectSessions<IniSession>("files-ini.txt", isArrowAnswer); }

// Values written again and again (their old texts dropped on the way) leave the other keys as they were.
TEST(Ini, RewritingAValueKeepsEveryOther) {
  IniFile ini;
  ini.parse("[A]\nKeep=read\n[B]\nCount=2\nItem0=x\nItem1=y\n");
  const std::string big(1000, 'v');
  for (int i = 0; i < 2000; ++i) {
    ini.writeString("a", "Often", big + std::to_string(i));
    ini.writeInteger("C", "N", i);
  }
  EXPECT_EQ(ini.readString("A", "Keep", ""), "read");
  EXPECT_EQ(ini.readString("A", "Often", ""), big + "1999");
  EXPECT_EQ(ini.readInteger("C", "N", 0), 1999);
  EXPECT_EQ(ini.readListAt(1, true), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(ini.readListAt(ini.sections().size(), true), std::nullopt);  // past the last section
}

// (A file's Windows-1252 text read as UTF-8 and written back: files-ini.txt.)
TEST(Ini, TextIsWindows1252OnDiskAndUtf8InMemory) {
  EXPECT_TRUE(fitsCp1252("caf\u00E9 \u2122"));
  EXPECT_FALSE(fitsCp1252("\u65E5\u672C"));
  EXPECT_FALSE(fitsCp1252("bad \xC3"));
  EXPECT_FALSE(fitsCp1252(std::string_view("\xC3\xA9", 1)));  // a character cut off where the text ends
  EXPECT_FALSE(fitsCp1252("\xF8\x80\x80\x80"));  // no UTF-8 sequence starts with F8
  EXPECT_EQ(utf8ToCp1252("\u65E5x"), "?x");
}

TEST(Ini, FontTextHasSixFields) {
  Font f;
  EXPECT_EQ(fontToText(f), "PilotStandard,10,,0,clWindowText,2");
  f.name = "PilotBold";
  f.bold = f.underline = f.strikeOut = true;
  f.colour = 0x123456;
  EXPECT_EQ(fontToText(f), "PilotBold,10,BUS,0,$00123456,2");
  Font g;
  ASSERT_TRUE(fontFromText("PilotLarge,12,IB,2,clRed,0", g));
  EXPECT_EQ(g.name, "PilotLarge");
  EXPECT_EQ(g.size, 12);
  EXPECT_TRUE(g.bold && g.italic && !g.underline);
  EXPECT_EQ(g.pitch, 2);
  EXPECT_EQ(g.colour, 0x0000FF);
  Font h;
  EXPECT_TRUE(fontFromText(fontToText(f), h));
  EXPECT_EQ(h, f);
  Font kept;
  EXPECT_FALSE(fontFromText("PilotBold,10", kept));
  EXPECT_FALSE(fontFromText("PilotBold,ten,,0,clBlack,2", kept));
  EXPECT_EQ(kept, Font());
}

TEST(Ini, SaveReplacesWholeOrLeavesTheOldFile) {
  TempDir dir;
  std::string path = dir.path + "/a.ini";
  IniFile ini;
  ini.writeString("S", "K", "one");
  ASSERT_TRUE(ini.save(path));
  ini.writeString("S", "K", "two");
  ASSERT_TRUE(ini.save(path));
  EXPECT_EQ(*readWholeFile(path), "[S]\r\nK=two\r\n");
  EXPECT_EQ(dir.list(), std::vector<std::string>{"a.ini"});  // no temporary left behind

  std::string why;
  std::string folder = dir.path + "/sub";
  makeDir(folder);
  EXPECT_FALSE(ini.save(folder, &why));
  EXPECT_NE(why.find("folder"), std::string::npos);
  EXPECT_TRUE(isDirectory(folder));

  EXPECT_FALSE(ini.save(dir.path + "/missing/dir/a.ini", &why));
  EXPECT_FALSE(why.empty());

  IniFile missing;
  EXPECT_TRUE(missing.load(dir.path + "/none.ini"));
  EXPECT_TRUE(missing.sections().empty());
}
