// The size sweep: forms of 5,000 to 40,000 labels, through what the command line does with them
// (open and paint, resave, generate), the whole `tarnowick resave` in a process of its own, and the
// designer's naming of one more label on such a form. Each should cost time in proportion to the
// number of controls; a 40,000-label form resaves in under 0.3 s.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "Cli.h"
#include "FormLoading.h"
#include "model/DataDir.h"
#include "model/Designer.h"
#include "model/Messages.h"

using namespace tw;

namespace {

struct Scratch {
  std::string dir;
  Scratch() {
    char tmpl[] = "/tmp/twbenchsizes.XXXXXX";
    dir = ::mkdtemp(tmpl);
  }
  ~Scratch() { std::system(("rm -rf '" + dir + "'").c_str()); }
};

Scratch& scratch() {
  static Scratch s;
  return s;
}

// A project of one form with n labels named Label1 to Labeln, as the designer names them.
std::string projectOf(int n) {
  static std::map<int, std::string> made;
  if (auto it = made.find(n); it != made.end()) return it->second;
  const std::string dir = scratch().dir + "/p" + std::to_string(n);
  ::mkdir(dir.c_str(), 0700);
  std::ofstream form(dir + "/Main.twk", std::ios::binary);
  form << "[FORM]\r\nName=Main\r\nTop=0\r\nLeft=0\r\nTitle=Big\r\nLib=1\r\n";
  for (int i = 1; i <= n; ++i)
    form << "\r\n[Label" << i << "]\r\nControl=Label\r\nName=Label" << i << "\r\nContent=L" << i
         << "\r\nWidth=20\r\nLeft=" << i % 140 << "\r\nTop=" << 16 + i / 140 % 140
         << "\r\nFont=PilotStandard,10,,0,clWindowText,2\r\nLine=1\r\nAlignment=0\r\nStyle=0\r\nParent=panScreen\r\n";
  std::ofstream(dir + "/Big.twp", std::ios::binary)
      << "[Project]\r\nName=Big.twp\r\nLib=1\r\n\r\n[ActiveForms]\r\nForm1=Main.twk\r\n\r\n[Code]\r\n"
         "FirstForm=Main\r\nMemo=0\r\nCreatorID=TWBN\r\nAppName=Big\r\n";
  std::ofstream(dir + "/CControls.c") << "";  // the library beside the output: no warning
  return made[n] = dir;
}

int cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  return runCli(args, out, err);
}

void BM_Load(benchmark::State& state) {
  const std::string form = projectOf(int(state.range(0))) + "/Main.twk";
  std::ostringstream err;
  for (auto _ : state) benchmark::DoNotOptimize(loadFormForCli(form, err).form->controlCount());
  state.SetComplexityN(state.range(0));
}

void BM_Resave(benchmark::State& state) {
  const std::string dir = projectOf(int(state.range(0)));
  for (auto _ : state)
    if (cli({"resave", dir + "/Main.twk", "--out", dir + "/Out.twk"}) != 0) state.SkipWithError("resave failed");
  state.SetComplexityN(state.range(0));
}

void BM_Generate(benchmark::State& state) {
  const std::string dir = projectOf(int(state.range(0)));
  for (auto _ : state)
    if (cli({"generate", dir + "/Big.twp", "--out", dir, "--force"}) != 0) state.SkipWithError("generate failed");
  state.SetComplexityN(state.range(0));
}

// The command as a script runs it: a new process, which first faults in all the memory the form takes.
void BM_ResaveCommand(benchmark::State& state) {
  const std::string dir = projectOf(int(state.range(0)));
  std::string exe = executableDir() + "/tarnowick", form = dir + "/Main.twk", out = dir + "/Out.twk";
  char resave[] = "resave", outOption[] = "--out";
  char* argv[] = {exe.data(), resave, form.data(), outOption, out.data(), nullptr};
  for (auto _ : state) {
    pid_t pid;
    int status = -1;
    if (::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0 || ::waitpid(pid, &status, 0) != pid ||
        status != 0)
      state.SkipWithError(("could not run " + exe).c_str());
  }
  state.SetComplexityN(state.range(0));
}

// Placing a label on a form read from a file, by a designer whose counter starts at nothing.
void BM_NameOneMore(benchmark::State& state) {
  std::ostringstream err;
  auto loaded = loadFormForCli(projectOf(int(state.range(0))) + "/Main.twk", err);
  RecordingMessages messages;
  for (auto _ : state) {
    Designer d(messages, kLibCControls);
    benchmark::DoNotOptimize(d.uniqueName("Label", *loaded.form));
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

#define SWEEP(bm) \
  BENCHMARK(bm)->Arg(5000)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN)
SWEEP(BM_Load);
SWEEP(BM_Resave);
SWEEP(BM_Generate);
SWEEP(BM_ResaveCommand)->UseRealTime();
SWEEP(BM_NameOneMore);
