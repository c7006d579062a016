#include <gtest/gtest.h>

#include "base/Cp1252.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "graphics/Font.h"
#include "TestFiles.h"

using namespace tw;

TEST(Ini, LookupIsCaseBlindTrimsAndDropsOnePairOfQuotes) {
  IniFile ini;
  ini.parse("junk before any section\n[Form]\r\n  Name = Form1  \nTitle=\"Hello\"\nQ='x'\"\nNoEquals\n;c=1\n"
            "[form]\nName=Second\n[Other]\nA=1\n");
  EXPECT_EQ(ini.readString("FORM", "name", "?"), "Form1");  // the first section of a name wins
  EXPECT_EQ(ini.readString("form", "TITLE", "?"), "Hello");
  EXPECT_EQ(ini.readString("Form", "Q", "?"), "'x'\"");  // quotes that do not match stay
  EXPECT_EQ(ini.readString("Form", "Missing", "dflt"), "dflt");
  EXPECT_FALSE(ini.value("Form", ";c").has_value());
  EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Form", "form", "Other"}));
  EXPECT_EQ(ini.keys("FORM"), (std::vector<std::string>{"Name", "Title", "Q"}));
  // By place, a repeated section reads its own keys.
  EXPECT_EQ(ini.sectionIndex("FORM"), 0u);
  EXPECT_EQ(ini.valueAt(1, "Name"), "Second");
  EXPECT_FALSE(ini.valueAt(3, "Name").has_value());
}

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
}

TEST(Ini, IntegersReadDecimalAndHexAndFallBackToTheDefault) {
  // A signed hex pattern wraps within 32 bits; the lowest one must not overflow on negation.
  const std::pair<const char*, int> cases[] = {
      {"42", 42}, {"-7", -7}, {"0x1F", 31}, {"0XfF", 255}, {"$10", 16}, {"12a", 3}, {"", 3}, {"99999999999", 3},
      {" 5 ", 5}, {"-2147483648", -2147483647 - 1}, {"0x", 3}, {"-0x80000000", -2147483647 - 1},
      {"-$FFFFFFFF", 1}, {"-0x1", -1}, {"0xFFFFFFFF", -1}};
  for (const auto& [text, value] : cases) {
    IniFile ini;
    ini.parse(std::string("[S]\nk=") + text + "\n");
    EXPECT_EQ(ini.readInteger("S", "k", 3), value) << text;
  }
  IniFile ini;
  ini.parse("[S]\na=42\n");
  EXPECT_TRUE(ini.readBool("S", "a", false));
  EXPECT_FALSE(ini.readBool("S", "missing", false));
}

TEST(Ini, WritesInFileOrderWithCrLfAndKeepsUntouchedSections) {
  IniFile ini;
  ini.parse("[Project]\r\nName=old\r\n[Code]\r\nFirstForm=Main\r\n");
  ini.writeString("project", "NAME", "new");
  ini.writeInteger("Project", "Lib", 2);
  ini.writeBool("Zoom", "Active", true);
  ini.eraseSection("ActiveForms");
  ini.writeString("ActiveForms", "Form3", "/a/b.twk");
  EXPECT_EQ(ini.serialize(),
            "[Project]\r\nName=new\r\nLib=2\r\n\r\n[Code]\r\nFirstForm=Main\r\n\r\n[Zoom]\r\nActive=1\r\n\r\n"
            "[ActiveForms]\r\nForm3=/a/b.twk\r\n");
  // A line break in a value cannot open a section of its own.
  ini.writeString("Code", "Evil", "a\r\n[Inject]\nb=c");
  IniFile back;
  back.parse(ini.serialize());
  EXPECT_FALSE(back.hasSection("Inject"));
  EXPECT_EQ(back.readString("Code", "Evil", ""), "a  [Inject] b=c");
}

TEST(Ini, ValuesWithOuterBlanksOrQuotesComeBackAsWritten) {
  IniFile ini;
  const std::vector<std::string> values = {"\"OK\"", "'x'", " lead", "trail ", " both ", "\"", "a\"b\"", "\"mixed'"};
  for (size_t i = 0; i < values.size(); ++i) ini.writeString("S", "K" + std::to_string(i), values[i]);
  ini.writeList("L", values);
  IniFile back;
  back.parse(ini.serialize());
  for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(back.readString("S", "K" + std::to_string(i), "?"), values[i]);
  EXPECT_EQ(*back.readList("L", true), values);
  EXPECT_NE(ini.serialize().find("K5=\"\r\n"), std::string::npos);  // plain values stay plain
}

TEST(Ini, ListsRoundTripAndReadOnlyWhatExists) {
  IniFile ini;
  ini.writeString("L", "Stale", "x");
  ini.writeList("L", {"One", "", "Three"});
  EXPECT_EQ(ini.keys("L"), (std::vector<std::string>{"Count", "Item0", "Item1", "Item2"}));
  EXPECT_EQ(*ini.readList("L", true), (std::vector<std::string>{"One", "", "Three"}));
  EXPECT_EQ(*ini.readList("L", false), (std::vector<std::string>{"One", "Three"}));

  IniFile odd;
  odd.parse("[L]\nItem2=c\nCount=3\nItem0=a\nItem-1=neg\nItem01=zero\nItem1x=bad\nItem3=beyond\n[Huge]\nCount=2000000000\nItem5=x\n"
            "[None]\nItem0=a\n");
  EXPECT_EQ(*odd.readList("L", true), (std::vector<std::string>{"a", "c"}));  // Item1 missing is skipped
  EXPECT_EQ(*odd.readList("Huge", true), (std::vector<std::string>{"x"}));
  EXPECT_FALSE(odd.readList("None", true).has_value());
}

TEST(Ini, TextIsWindows1252OnDiskAndUtf8InMemory) {
  IniFile ini;
  ini.parse("[S]\nT=Gr\xFC\xDF \x80 \x81\n");
  EXPECT_EQ(ini.readString("S", "T", ""), "Gr\u00FC\u00DF \u20AC \u0081");
  EXPECT_EQ(ini.serialize(), "[S]\r\nT=Gr\xFC\xDF \x80 \x81\r\n");
  EXPECT_TRUE(fitsCp1252("caf\u00E9 \u2122"));
  EXPECT_FALSE(fitsCp1252("\u65E5\u672C"));
  EXPECT_FALSE(fitsCp1252("bad \xC3"));
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
