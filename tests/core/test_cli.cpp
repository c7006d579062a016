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

TEST(Cli, AMistypedCommandIsAUsageErrorAndTheDesignerNeedsADisplay) {
  TempDir dir;
  const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + std::string(TW_EXE);
  CmdResult typo = runCommand(noDisplay + " chek " + dir.path + "/x.twp");
  EXPECT_EQ(typo.status, 1) << typo.output;
  EXPECT_NE(typo.output.find("unknown command or option 'chek'"), std::string::npos) << typo.output;
  EXPECT_NE(typo.output.find("Commands:\n  generate"), std::string::npos);
  // A file for the designer, or none: one line, no abort, nothing left behind.
  for (const std::string& args : {std::string(), dir.path + "/x.twp"}) {
    CmdResult r = runCommand("cd " + dir.path + " && " + noDisplay + " " + args);
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    EXPECT_NE(r.output.find("no display"), std::string::npos) << r.output;
  }
  EXPECT_TRUE(dir.list().empty());
}

// The command line maps no window-system library; the designer it starts is the program beside it,
// which takes its place with the same arguments (and so the same process, exit status and output).
TEST(Cli, TheDesignerIsTheProgramBesideTheCommandLine) {
  CmdResult libs = runCommand("ldd " + std::string(TW_EXE));
  EXPECT_EQ(libs.status, 0);
  EXPECT_EQ(libs.output.find("Qt"), std::string::npos) << libs.output;
  TempDir dir;
  const std::string exe = dir.path + "/tarnowick", withDisplay = "env QT_QPA_PLATFORM=offscreen " + exe;
  ASSERT_EQ(runCommand("cp '" + std::string(TW_EXE) + "' '" + exe + "'").status, 0);
  CmdResult missing = runCommand(withDisplay + " a.twp");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("cannot start the designer " + dir.path + "/tarnowick-designer"), std::string::npos)
      << missing.output;
  writeText(dir.path + "/tarnowick-designer", "#!/bin/sh\necho \"$0|$*|$$\"; exit 7\n");
  ::chmod((dir.path + "/tarnowick-designer").c_str(), 0755);
  CmdResult started = runCommand("{ " + withDisplay + " 'my form.twk' -x & echo pid $!; wait $!; }");
  EXPECT_EQ(started.status, 7);
  const size_t at = started.output.find("pid ") + 4;
  const std::string pid = started.output.substr(at, started.output.find('\n', at) - at);
  EXPECT_NE(started.output.find(dir.path + "/tarnowick-designer|my form.twk -x|" + pid + "\n"), std::string::npos)
      << started.output;
  EXPECT_EQ(runCommand(withDisplay + " --version").output, "tarnowick 1.0\n");  // commands stay here
}

TEST(Cli, OutputIntoAFifoOrDeviceIsStreamedAndNeverReplaced) {
  TempDir dir;
  const std::string in = dir.path + "/in.twk", plain = dir.path + "/plain.twk", fifo = dir.path + "/fifo";
  writeText(in, "[FORM]\nName=Main\nLib=1\n[B]\nControl=Button\nName=B\n");
  ASSERT_EQ(run("resave " + in + " --out " + plain).status, 0);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // The reader gives up after a while, so a command that replaces the FIFO fails rather than hangs.
  CmdResult r = runCommand("timeout 20 cat " + fifo + " > " + dir.path + "/read.twk & reader=$!; " + TW_EXE +
                           " resave " + in + " --out " + fifo + "; status=$?; wait $reader; exit $status");
  EXPECT_EQ(r.status, 0) << r.output;
  struct stat st;
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(readWholeFile(dir.path + "/read.twk"), readWholeFile(plain));

  // Standard output is a pipe here: the picture comes through it. (Named through /proc rather than
  // /dev/stdout: should this ever regress, nothing can be renamed over /proc, while /dev is writable by root.)
  CmdResult png = run("render " + in + " --out /proc/self/fd/1");
  EXPECT_EQ(png.status, 0);
  EXPECT_EQ(png.output.rfind("\x89PNG", 0), 0u);

  const std::string folder = dir.path + "/folder";
  makeDir(folder);
  CmdResult refused = run("render " + in + " --out " + folder);
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.output.find("it is a folder"), std::string::npos) << refused.output;
  EXPECT_TRUE(isDirectory(folder));
}

TEST(Cli, RadiiAtTheEndsOfTheIntegersDrawWithoutOverflow) {
  TempDir dir;
  const std::string in = dir.path + "/in.twk";
  writeText(in,
            "[FORM]\nName=Main\nLib=1\n[S]\nControl=Switch\nName=S\nEdge=-2147483648\nState=1\n"
            "[B]\nControl=Button\nName=B\nEdge=2147483647\nLine=2\nTop=40\n");
  CmdResult r = run("render " + in + " --out " + dir.path + "/x.png");
  EXPECT_EQ(r.status, 0) << r.output;
  ASSERT_EQ(run("resave " + in + " --out " + dir.path + "/out.twk").status, 0);
  const std::string saved = *readWholeFile(dir.path + "/out.twk");
  EXPECT_NE(saved.find("Edge=-2147483648\r\n"), std::string::npos);  // kept as the file had it
  EXPECT_NE(saved.find("Edge=2147483647\r\n"), std::string::npos);
}
