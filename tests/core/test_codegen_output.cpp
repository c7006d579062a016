// Saving generated code: the replace question, icons, the library check, and folders that fail.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "codegen/Icons.h"
#include "codegen/OutputFolder.h"
#include "ini/IniFile.h"

using namespace tw;

namespace {

GeneratedCode sampleCode() {
  GeneratedCode c;
  c.main = {"@cid \"TKWX\";", "main(){", "}", ""};
  c.forms = {"forms"};
  c.events = {"events"};
  c.header = {"header \xC3\xA9"};  // é is one byte on disk
  return c;
}

OutputRequest request(const std::string& folder, int lib = 1) {
  OutputRequest r;
  r.folder = folder;
  r.project = "Demo";
  r.library = lib;
  return r;
}

// Answers the replace question from a script, remembering what was asked.
struct AnsweringStub {
  std::vector<ReplaceAnswer> answers;
  std::vector<std::string> asked;
  ReplaceQuestion question() {
    return [this](const std::string& path) {
      asked.push_back(replaceQuestionText(path));
      ReplaceAnswer a = answers.empty() ? ReplaceAnswer::Yes : answers.front();
      if (!answers.empty()) answers.erase(answers.begin());
      return a;
    };
  }
};

uint32_t le(const std::string& s, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v * 256 + static_cast<unsigned char>(s[at + size_t(i)]);
  return v;
}

}  // namespace

TEST(OutputFolder, WritesSourcesThenIconsAndAsksBeforeReplacing) {
  TempDir dir;
  const std::string d = dir.path + "/out/nested";  // created on the way
  AnsweringStub stub;
  OutputResult first = saveOutputFolder(request(d), sampleCode(), stub.question());
  ASSERT_TRUE(first.ok()) << first.error;
  EXPECT_TRUE(stub.asked.empty());
  ASSERT_EQ(first.written.size(), 12u);
  EXPECT_EQ(first.written[0], d + "/Demo.pc");
  EXPECT_EQ(first.written[3], d + "/Demo.h");
  EXPECT_EQ(first.written[4], d + "/large1.bmp");
  EXPECT_EQ(first.written[5], d + "/small1.bmp");
  EXPECT_EQ(*readWholeFile(d + "/Demo.pc"), "@cid \"TKWX\";\r\nmain(){\r\n}\r\n\r\n");
  EXPECT_EQ(*readWholeFile(d + "/Demo.h"), "header \xE9\r\n");
  ASSERT_EQ(first.warnings.size(), 1u);
  EXPECT_EQ(first.warnings[0], "CControls library not found at project source path. You must copy it before compile.");

  // Only a file changed since it was generated is asked about; No keeps it and goes on; the icons are
  // replaced without a question.
  writeText(d + "/DemoForms.pc", "mine");
  writeText(d + "/Ccontrols.c", "");  // the library, found whatever the letter case
  stub.answers = {ReplaceAnswer::No};
  OutputResult second = saveOutputFolder(request(d + "/"), sampleCode(), stub.question());
  ASSERT_EQ(stub.asked.size(), 1u);
  EXPECT_EQ(stub.asked[0], d + "/DemoForms.pc already exists. Do you want to replace it?");
  EXPECT_EQ(*readWholeFile(d + "/DemoForms.pc"), "mine");
  EXPECT_EQ(second.leftAlone, (std::vector<std::string>{d + "/DemoForms.pc"}));
  EXPECT_EQ(second.written.size(), 11u);
  EXPECT_TRUE(second.warnings.empty());

  // Cancel ends the save at once: no later file, no icon, no library check.
  ::unlink((d + "/small8.bmp").c_str());
  ::unlink((d + "/Ccontrols.c").c_str());
  writeText(d + "/DemoEvents.pc", "kept");
  stub.asked.clear();
  stub.answers = {ReplaceAnswer::Yes, ReplaceAnswer::Cancel};
  OutputResult third = saveOutputFolder(request(d), sampleCode(), stub.question());
  EXPECT_TRUE(third.cancelled);
  EXPECT_EQ(stub.asked.size(), 2u);
  EXPECT_EQ(third.written, (std::vector<std::string>{d + "/Demo.pc", d + "/DemoForms.pc"}));
  EXPECT_EQ(*readWholeFile(d + "/DemoEvents.pc"), "kept");
  EXPECT_FALSE(fileExists(d + "/small8.bmp"));
  EXPECT_TRUE(third.warnings.empty());
}

TEST(OutputFolder, IconsAreBitmapsOfTheSlotsSizesAndDepths) {
  TempDir dir;
  OutputRequest r = request(dir.path, 2);
  writeText(dir.path + "/mine.bmp", "BM-my-own-picture");
  writeText(dir.path + "/notabitmap.bmp", "GIF89a");
  r.icons[0] = dir.path + "/mine.bmp";        // Large1
  r.icons[1] = dir.path + "/notabitmap.bmp";  // Small1
  r.icons[2] = dir.path + "/vanished.bmp";    // Large2: a path that no longer exists is ignored
  OutputResult res = saveOutputFolder(r, sampleCode(), nullptr);
  ASSERT_TRUE(res.ok()) << res.error;
  EXPECT_EQ(*readWholeFile(dir.path + "/large1.bmp"), "BM-my-own-picture");
  ASSERT_EQ(res.warnings.size(), 2u);
  EXPECT_NE(res.warnings[0].find("notabitmap.bmp is not a bitmap"), std::string::npos);
  EXPECT_EQ(res.warnings[1],
            "PToolboxLib header file Fctl.h not found at project source path. You must copy it before compile.");

  const struct {
    const char* file;
    uint32_t w, h, bpp;
  } expected[] = {{"small1.bmp", 15, 9, 1}, {"large2.bmp", 32, 32, 4}, {"small2.bmp", 15, 9, 4},
                  {"large4.bmp", 32, 32, 4}, {"small4.bmp", 15, 9, 4}, {"large8.bmp", 32, 32, 8},
                  {"small8.bmp", 15, 9, 8}};
  for (const auto& e : expected) {
    std::string bmp = *readWholeFile(dir.path + "/" + e.file);
    ASSERT_GT(bmp.size(), 54u) << e.file;
    EXPECT_EQ(bmp.substr(0, 2), "BM") << e.file;
    EXPECT_EQ(le(bmp, 2, 4), bmp.size()) << e.file;
    EXPECT_EQ(le(bmp, 18, 4), e.w) << e.file;
    EXPECT_EQ(le(bmp, 22, 4), e.h) << e.file;
    EXPECT_EQ(le(bmp, 28, 2), e.bpp) << e.file;
    uint32_t rowBytes = (e.w * e.bpp + 31) / 32 * 4;
    EXPECT_EQ(le(bmp, 10, 4) + rowBytes * e.h, bmp.size()) << e.file;
  }
  // The default pictures are drawings, not blank squares.
  IconPicture large = defaultIcon(32, 32), small = defaultIcon(15, 9);
  EXPECT_GT(std::count(large.pixels.begin(), large.pixels.end(), 1), 100);
  EXPECT_GT(std::count(small.pixels.begin(), small.pixels.end(), 1), 30);
}

TEST(OutputFolder, AFolderThatCannotBeWrittenStopsWithTheFilesWrittenNamed) {
  TempDir dir;
  writeText(dir.path + "/plain", "x");
  OutputResult blocked = saveOutputFolder(request(dir.path + "/plain/sub"), sampleCode(), nullptr);
  EXPECT_FALSE(blocked.ok());
  EXPECT_EQ(blocked.error.rfind("Cannot create the folder " + dir.path + "/plain/sub: ", 0), 0u) << blocked.error;
  EXPECT_TRUE(blocked.written.empty());
  OutputResult onFile = saveOutputFolder(request(dir.path + "/plain"), sampleCode(), nullptr);
  EXPECT_EQ(onFile.error, "Cannot use " + dir.path + "/plain as the output folder: it is not a folder");

  makeDir(dir.path + "/DemoEvents.pc");  // a folder where the events file goes
  OutputResult partway = saveOutputFolder(request(dir.path), sampleCode(), [](const std::string&) {
    return ReplaceAnswer::Yes;
  });
  EXPECT_FALSE(partway.ok());
  EXPECT_NE(partway.error.find("DemoEvents.pc"), std::string::npos);
  EXPECT_EQ(partway.written, (std::vector<std::string>{dir.path + "/Demo.pc", dir.path + "/DemoForms.pc"}));

  // The memos target writes the four texts only.
  TempDir memo;
  OutputRequest r = request(memo.path);
  r.memos = true;
  OutputResult m = saveOutputFolder(r, sampleCode(), nullptr);
  EXPECT_TRUE(m.ok());
  EXPECT_EQ(memo.list(), (std::vector<std::string>{".tarnowick", "Demo.h", "Demo.pc", "DemoEvents.pc", "DemoForms.pc"}));
  EXPECT_TRUE(m.warnings.empty());
}

TEST(GenerationSettings, DefaultsAndTheirSectionSurvivingAProjectSave) {
  IniFile empty;
  GenerationSettings s = readGenerationSettings(empty, "/proj/");
  EXPECT_EQ(s.output, "/proj/");
  EXPECT_FALSE(s.memos);
  // The directives' defaults, which the generators' golden texts show.
  EXPECT_EQ(mainFileFirstLines(s, "P"), mainFileFirstLines(GenerationSettings(), "P"));
  s.memos = true;

  IniFile ini;
  s.output = "gen", s.firstForm = "Main", s.creatorId = "ABCD", s.version = "";
  writeCodeSettings(ini, s);
  writeIconSetting(ini, 7, "/pics/s8.bmp");
  GenerationSettings back = readGenerationSettings(ini, "");
  EXPECT_TRUE(back.memos);
  EXPECT_EQ(back.firstForm, "Main");
  EXPECT_EQ(back.creatorId, "ABCD");
  EXPECT_EQ(back.version, "");  // an empty value is kept, and written as an empty directive
  EXPECT_EQ(back.icons[7], "/pics/s8.bmp");
  EXPECT_EQ(ini.keys("Icons"), (std::vector<std::string>{"Small8"}));
  EXPECT_EQ(outputFolderFor(back, "/proj/P.twp"), "/proj/gen");
  back.output = "";
  EXPECT_EQ(outputFolderFor(back, "/proj/P.twp"), "/proj/");
}
