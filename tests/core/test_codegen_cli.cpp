// `tarnowick generate` as a build script runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestFiles.h"

using namespace tw;

namespace {

using Outcome = CmdResult;

Outcome generate(const std::string& args) { return runCommand(std::string(TW_EXE) + " generate " + args); }

const std::string kCc = std::string(TW_EXAMPLES_DIR) + "/ccontrols/Demo.twp";
const std::string kPt = std::string(TW_EXAMPLES_DIR) + "/ptoolbox/Demo.twp";

}  // namespace

TEST(GenerateCommand, WritesTheExampleAndReplacesOnlyWithForce) {
  TempDir dir;
  const std::string out = dir.path + "/cc";
  Outcome first = generate(kCc + " --out " + out);
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_EQ(dir.list().size(), 1u);
  for (const char* f : {"Demo.pc", "DemoForms.pc", "DemoEvents.pc", "Demo.h", "large1.bmp", "small8.bmp"})
    EXPECT_TRUE(fileExists(out + "/" + f)) << f;
  EXPECT_NE(first.output.find("CControls library not found"), std::string::npos);
  std::string main = *readWholeFile(out + "/Demo.pc");
  EXPECT_EQ(main.rfind("@cid \"TWCC\";\r\n@name \"CC Demo\";\r\n", 0), 0u);
  EXPECT_NE(main.find("\r\n  Main();\r\n"), std::string::npos);

  // Nothing changed by hand: nothing is refused, and files that would not change are not rewritten.
  struct stat before, after;
  ASSERT_EQ(::stat((out + "/Demo.pc").c_str(), &before), 0);
  EXPECT_EQ(generate(kCc + " --out " + out).status, 0);
  ASSERT_EQ(::stat((out + "/Demo.pc").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  writeText(out + "/DemoEvents.pc", "edited by hand");
  Outcome again = generate(kCc + " --out " + out + " --first-form settings");
  EXPECT_EQ(again.status, 3) << again.output;
  EXPECT_NE(again.output.find(out + "/DemoEvents.pc"), std::string::npos);
  EXPECT_NE(again.output.find(out + "/large1.bmp"), std::string::npos);
  EXPECT_EQ(*readWholeFile(out + "/DemoEvents.pc"), "edited by hand");

  Outcome forced = generate(kCc + " --out " + out + " --force --first-form settings");
  EXPECT_EQ(forced.status, 0) << forced.output;
  EXPECT_NE(*readWholeFile(out + "/DemoEvents.pc"), "edited by hand");
  EXPECT_NE(readWholeFile(out + "/Demo.pc")->find("\r\n  Settings();\r\n"), std::string::npos);

  // --merge: the user's handler body stays; a line both changed is a conflict (status 3, named); a
  // folder whose bases are gone is left alone, and said so.
  std::string events = *readWholeFile(out + "/DemoEvents.pc");
  events.insert(events.find("OnswLight(){\r\n") + 14, "  light();\r\n");
  writeText(out + "/DemoEvents.pc", events);
  std::string mainFile = *readWholeFile(out + "/Demo.pc");
  mainFile.replace(mainFile.find("  Settings();"), 13, "  Settings(); // first");
  writeText(out + "/Demo.pc", mainFile);
  Outcome merged = generate(kCc + " --out " + out + " --merge");
  EXPECT_EQ(merged.status, 3) << merged.output;
  EXPECT_NE(merged.output.find("hold conflicts to resolve (<<<<<<< ... >>>>>>>):\n  " + out + "/Demo.pc\n"),
            std::string::npos) << merged.output;
  EXPECT_EQ(*readWholeFile(out + "/DemoEvents.pc"), events);
  EXPECT_NE(readWholeFile(out + "/Demo.pc")->find("<<<<<<< yours\r\n  Settings(); // first\r\n=======\r\n  Main();"),
            std::string::npos);
  std::system(("rm -r '" + out + "/.tarnowick'").c_str());
  Outcome noBase = generate(kCc + " --out " + out + " --merge");
  EXPECT_EQ(noBase.status, 3) << noBase.output;
  EXPECT_NE(noBase.output.find(out + "/DemoEvents.pc has no base to merge with"), std::string::npos);
  EXPECT_EQ(*readWholeFile(out + "/DemoEvents.pc"), events);
}

TEST(GenerateCommand, TargetsOptionsAndBadInput) {
  TempDir dir;
  Outcome memos = generate(kPt + " --out " + dir.path + "/m --target memos");
  ASSERT_EQ(memos.status, 0) << memos.output;
  EXPECT_FALSE(fileExists(dir.path + "/m/large1.bmp"));
  EXPECT_EQ(readWholeFile(dir.path + "/m/Demo.pc")->rfind("//Main Demo.pc\r\n\r\nlibrary \"PToolboxLib\"\r\n", 0), 0u);
  EXPECT_EQ(readWholeFile(dir.path + "/m/Demo.h")->rfind("/$ Demo.h\r\n//Main ID numbers\r\n#define Main 3000\r\n", 0), 0u);

  EXPECT_EQ(generate("").status, 1);
  EXPECT_EQ(generate(kPt + " --target palm").status, 1);
  EXPECT_EQ(generate(kPt + " --out " + dir.path + "/x --first-form Nowhere").status, 1);
  EXPECT_EQ(generate(dir.path + "/none.twp").status, 2);

  // A project that opens no form has no first form: refused, nothing written.
  writeText(dir.path + "/Empty.twp", "[Project]\r\nLib=1\r\n[ActiveForms]\r\nForm0=gone.twk\r\n");
  Outcome empty = generate(dir.path + "/Empty.twp --out " + dir.path + "/e");
  EXPECT_EQ(empty.status, 2);
  EXPECT_NE(empty.output.find("no open form"), std::string::npos);
  EXPECT_FALSE(isDirectory(dir.path + "/e"));

  // A project of no known library would generate code without a control: refused, nothing written.
  // The lowest hex pattern is read without overflowing on its sign.
  for (const char* lib : {"3", "0", "-0x80000000"}) {
    writeText(dir.path + "/Odd.twp", std::string("[Project]\r\nLib=") + lib + "\r\n[ActiveForms]\r\nForm0=F.twk\r\n");
    writeText(dir.path + "/F.twk", "[FORM]\r\nName=F\r\nLib=1\r\n[B]\r\nControl=Button\r\nName=B\r\n");
    Outcome odd = generate(dir.path + "/Odd.twp --out " + dir.path + "/o");
    EXPECT_EQ(odd.status, 2) << lib << ": " << odd.output;
    EXPECT_NE(odd.output.find("not a project of a known control library"), std::string::npos) << odd.output;
    EXPECT_FALSE(isDirectory(dir.path + "/o"));
  }

  // An output folder that cannot be made is bad input.
  writeText(dir.path + "/file", "");
  EXPECT_EQ(generate(kPt + " --out " + dir.path + "/file/sub").status, 2);
}
