// The command line as a script would use it.
#include <gtest/gtest.h>


#include "TestFiles.h"

using namespace tw;

namespace {
CmdResult run(const std::string& args) { return runCommand(std::string(TW_EXE) + " " + args); }
}  // namespace

TEST(Cli, HelpVersionAndUsageErrors) {
  EXPECT_EQ(run("--help").status, 0);
  CmdResult v = run("--version");
  EXPECT_EQ(v.status, 0);
  EXPECT_NE(v.output.find("tarnowick 1.0"), std::string::npos);
  EXPECT_EQ(run("resave").status, 1);
  EXPECT_EQ(run("resave a.twk").status, 1);
  EXPECT_EQ(run("--bogus").status, 1);
}

TEST(Cli, ResaveWritesWhatTheDesignerSaves) {
  TempDir dir;
  std::string in = dir.path + "/in.twk", out = dir.path + "/out.twk", again = dir.path + "/again.twk";
  writeText(in, "[form]\nname = Main\nLib=2\n[B]\nControl=Button\nName=B\nText=\"Go\"\n");
  CmdResult r = run("resave " + in + " --out " + out);
  ASSERT_EQ(r.status, 0) << r.output;
  std::string saved = *readWholeFile(out);
  EXPECT_EQ(saved.rfind("[FORM]\r\nName=Main\r\nTop=0\r\nLeft=0\r\nTitle=Form\r\nLib=2\r\n", 0), 0u);
  EXPECT_NE(saved.find("Text=Go\r\nHeight=17\r\nWidth=46\r\nLeft=5\r\nTop=18\r\n"), std::string::npos);
  ASSERT_EQ(run("resave " + out + " --out " + again).status, 0);
  EXPECT_EQ(*readWholeFile(again), saved);  // a saved form saves to the same bytes
}

TEST(Cli, ResaveReportsBadInputAndKeepsTheOldFile) {
  TempDir dir;
  std::string in = dir.path + "/in.twk";
  EXPECT_EQ(run("resave " + dir.path + "/none.twk --out " + dir.path + "/x.twk").status, 2);
  writeText(in, "[FORM]\nName=F\nLib=7\n");
  CmdResult r = run("resave " + in + " --out " + dir.path + "/x.twk");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("control library"), std::string::npos);
  writeText(in, "[FORM]\nLib=1\n");
  EXPECT_EQ(run("resave " + in + " --out " + dir.path + "/x.twk").status, 2);

  writeText(in, "[FORM]\nName=F\nLib=1\n[A]\nControl=Label\nName=A\n[B]\nControl=Label\nName=a\n");
  std::string folder = dir.path + "/folder";
  makeDir(folder);
  r = run("resave " + in + " --out " + folder);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.output.find("A component named a already exists"), std::string::npos);  // warned, not fatal
  EXPECT_TRUE(isDirectory(folder));

  std::string ro = dir.path + "/ro";
  makeDir(ro);
  writeText(ro + "/old.twk", "old");
  ::chmod(ro.c_str(), 0555);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_EQ(run("resave " + in + " --out " + ro + "/old.twk").status, 2);
    EXPECT_EQ(*readWholeFile(ro + "/old.twk"), "old");
  }
}
