// Regenerating into files the user wrote code in: bases kept beside them, three-way merges, and
// bases that are missing or damaged.
#include <gtest/gtest.h>

#include <regex>

#include "TestFiles.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCSwitch.h"
#include "codegen/MergeText.h"
#include "codegen/GeneratedBase.h"
#include "codegen/OutputFolder.h"
#include "model/FormDocument.h"

using namespace tw;

namespace {

struct Folder {
  TempDir dir;
  FormDocument form{1, "Main"};
  std::vector<std::string> asked;
  ReplaceAnswer answer = ReplaceAnswer::Merge;

  void add(std::unique_ptr<Control> c, const std::string& name) {
    c->setNameUnchecked(name);
    form.add(std::move(c), &form.screen());
  }
  std::string events() const { return dir.path + "/DemoEvents.pc"; }
  std::string text() const { return *readWholeFile(events()); }
  OutputResult save() {
    GenerateRequest g{1, "Demo", {&form}, {}};
    g.settings.memos = true;  // the texts alone
    GeneratedCode code;
    EXPECT_TRUE(generateCode(g, code, nullptr));
    OutputRequest r;
    r.folder = dir.path, r.project = "Demo", r.memos = true;
    return saveOutputFolder(r, code, [this](const std::string& path) {
      asked.push_back(fileNamePart(path));
      return answer;
    });
  }
  void edit(const std::string& from, const std::string& to) {
    std::string t = text();
    ASSERT_NE(t.find(from), std::string::npos) << from;
    writeText(events(), t.replace(t.find(from), from.size(), to));
  }
};

const std::string kBody = "OnswLight(){\r\n  if (Cgetstate(swLight)) backlight(1);\r\n}\r\n";

}  // namespace

TEST(GeneratedMerge, TheUsersCodeSurvivesChangesToTheFormAndClashesBecomeOneBlock) {
  Folder f;
  for (const char* name : {"butOk", "butOld", "butNew"}) f.add(std::make_unique<TCCButton>(), name);
  f.add(std::make_unique<TCCSwitch>(), "swLight");
  f.form.remove(f.form.findComponent("butNew"));
  ASSERT_TRUE(f.save().ok());
  f.edit("OnswLight(){\r\n}\r\n", kBody);

  // A control added, another renamed, one whose handler the user never touched deleted.
  f.add(std::make_unique<TCCButton>(), "butNew");
  ASSERT_TRUE(f.form.rename(*f.form.findComponent("butOk"), "butGo"));
  f.form.remove(f.form.findComponent("butOld"));
  OutputResult changed = f.save();
  EXPECT_EQ(f.asked, (std::vector<std::string>{"DemoEvents.pc"}));  // the files never edited are not asked about
  EXPECT_EQ(changed.merged, (std::vector<std::string>{f.events()}));
  std::string t = f.text();
  for (const std::string& part : {kBody, std::string("OnbutNew(){\r\n}\r\n"), std::string("OnbutGo(){")})
    EXPECT_NE(t.find(part), std::string::npos) << part << "\n" << t;
  for (const char* gone : {"butOk", "butOld"}) EXPECT_EQ(t.find(gone), std::string::npos) << gone << "\n" << t;

  // The user and the generator changing one line: one block holding both, line ends as the file's.
  // (A body right below a handler's first line that the generator renames is such a block too: the
  // merge takes lines that touch for one change.)
  f.edit("OnbutGo();", "OnbutGo(); // go");
  ASSERT_TRUE(f.form.rename(*f.form.findComponent("butGo"), "butRun"));
  EXPECT_EQ(f.save().conflicts, (std::vector<std::string>{f.events()}));
  t = f.text();
  EXPECT_NE(t.find("    e=event(1);\r\n<<<<<<< yours\r\n    if (Cevent(butGo,e)) OnbutGo(); // go\r\n=======\r\n"
                   "    if (Cevent(butRun,e)) OnbutRun();\r\n>>>>>>> generated\r\n    else if"),
            std::string::npos) << t;
  EXPECT_EQ(t.find("<<<<<<<", t.find("<<<<<<<") + 1), std::string::npos) << t;
  EXPECT_NE(t.find(kBody), std::string::npos);
}

TEST(GeneratedMerge, LineEndsOfAnEditorAndMissingOrDamagedBases) {
  Folder f;
  f.add(std::make_unique<TCCButton>(), "butOk");
  ASSERT_TRUE(f.save().ok());
  // The manifest says when the bases were kept, in UTC.
  const auto kept = parseBaseManifest(readWholeFile(f.dir.path + "/.tarnowick/manifest").value_or(""));
  ASSERT_TRUE(kept);
  EXPECT_TRUE(std::regex_match(kept->time, std::regex(R"(20\d\d-[01]\d-[0-3]\dT[0-2]\d:[0-5]\d:[0-6]\dZ)"))) << kept->time;
  // An editor that wrote every line end as LF: only the user's line counts as a change.
  std::string lf = f.text();
  std::erase(lf, '\r');
  writeText(f.events(), lf.replace(lf.find("OnbutOk(){\n"), 11, "OnbutOk(){\n  go();\n"));
  f.add(std::make_unique<TCCButton>(), "butTwo");
  EXPECT_EQ(f.save().merged.size(), 1u);
  EXPECT_NE(f.text().find("OnbutOk(){\r\n  go();\r\n}\r\n\r\nOnbutTwo(){\r\n"), std::string::npos) << f.text();

  // No base: the file is left alone and said so, until the user has it replaced.
  const std::string hidden = f.dir.path + "/.tarnowick/";
  const std::string edited = f.text() + "// mine\r\n";
  for (const std::string& damage : {std::string("rm -r '") + hidden + "'", "rm '" + hidden + "DemoEvents.pc'",
                                    "echo '}' > '" + hidden + "DemoEvents.pc'", "truncate -s -3 '" + hidden + "manifest'",
                                    "sed -i 's/=DemoEvents/=..\\/DemoEvents/' '" + hidden + "manifest'",
                                    "sed -i '$ s/$/x/' '" + hidden + "manifest'"}) {  // a checksum's stray letter
    f.answer = ReplaceAnswer::Yes;
    f.save();
    writeText(f.events(), edited);
    ASSERT_EQ(std::system(damage.c_str()), 0);
    EXPECT_FALSE(hasGeneratedBase(f.events())) << damage;
    f.answer = ReplaceAnswer::Merge;
    OutputResult r = f.save();
    EXPECT_EQ(r.noBase, (std::vector<std::string>{f.events()})) << damage;
    EXPECT_EQ(r.leftAlone, r.noBase) << damage;
    EXPECT_EQ(f.text(), edited) << damage;
  }
}

// What a killed generation left, in the folder and among the bases, goes at the next one that writes
// there, though the first of its files is unchanged and not written.
TEST(GeneratedMerge, LeftoversOfAKilledGenerationGoAtTheNext) {
  Folder f;
  f.add(std::make_unique<TCCButton>(), "butOk");
  ASSERT_TRUE(f.save().ok());
  const std::string left[] = {f.dir.path + "/.DemoEvents.pc.Ab12Cd", f.dir.path + "/.tarnowick/.DemoEvents.pc.Ab12Cd"};
  for (const auto& l : left) writeText(l, "half");
  f.add(std::make_unique<TCCButton>(), "butTwo");
  ASSERT_TRUE(f.save().ok());
  for (const auto& l : left) EXPECT_FALSE(fileExists(l)) << l;
}

TEST(GeneratedMerge, EachClashIsCounted) {
  // Two lines both sides changed, far enough apart to stay two blocks.
  std::string same;
  for (int i = 0; i < 8; ++i) same += "same " + std::to_string(i) + "\r\n";
  const MergedText m = mergeGenerated("a\r\n" + same + "b\r\n", "a1\r\n" + same + "b1\r\n", "a2\r\n" + same + "b2\r\n");
  ASSERT_TRUE(m.ok) << m.why;
  EXPECT_EQ(m.conflicts, 2) << m.text;
}

// The manifest names files of its own folder, each once, with a size and a checksum; a line that does
// not is a damaged manifest, and none of it is trusted.
TEST(GeneratedMerge, AManifestIsReadWholeOrNotAtAll) {
  BaseManifest m;
  m.project = "Demo";
  m.time = "2026-01-01T00:00:00Z";
  m.files = {{"DemoMain.pc", 12, 0xabc}, {"a,b.pc", 3, 0x1f}};
  const std::string text = formatBaseManifest(m);
  const std::optional<BaseManifest> back = parseBaseManifest(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(formatBaseManifest(*back), text);
  for (const char* bad : {"File=../x.pc,1,0", "File=DemoMain.pc,1,0", "File=x.pc,1x,0", "File=x.pc,1", "Owner=me"})
    EXPECT_FALSE(parseBaseManifest(text + bad + "\n")) << bad;
}
