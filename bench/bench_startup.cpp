// The parts of start-up that need no window, as the designer and the commands run them: finding the
// data folder, loading the three handheld fonts, reading options.ini, and opening a project with its
// forms painted once. The designer's whole start-up (with its window) is timed with TW_QUIT_AFTER_START.
// Budget: start-up under 400 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>

#include "graphics/Fonts.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/DataDir.h"
#include "model/FormDocument.h"
#include "model/Project.h"
#include "model/Shell.h"

using namespace tw;

namespace {

// An options.ini as a designer that has been used for a while leaves it.
const std::string& optionsFile() {
  static const std::string path = [] {
    char tmpl[] = "/tmp/twbenchoptions.XXXXXX";
    std::string dir = ::mkdtemp(tmpl);
    IniFile ini;
    writeOptionsLibrary(ini, 1);
    ini.writeBool("Design", "FormWhite", true);
    ini.writeString(kToolBarSection, "State", toHex(std::string(300, '\x01')));
    RecentProjects mru;
    for (int i = 0; i < 10; ++i) mru.add(TW_EXAMPLES_DIR "/ccontrols/Demo" + std::to_string(i) + ".twp");
    mru.save(ini);
    ini.save(dir + "/options.ini");
    static std::string keep = dir;
    std::atexit([] { std::system(("rm -rf '" + keep + "'").c_str()); });
    return dir + "/options.ini";
  }();
  return path;
}

void BM_DataDir(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(dataDir());
}

void BM_LoadFonts(benchmark::State& state) {
  for (auto _ : state) {
    FontSet fonts;
    auto problems = fonts.load(TW_DATA_DIR);
    if (!problems.empty()) state.SkipWithError(problems[0].message.c_str());
  }
}

void BM_ReadOptions(benchmark::State& state) {
  const std::string path = optionsFile();
  for (auto _ : state) {
    IniFile ini;
    ini.load(path);
    RecentProjects mru;
    mru.load(ini);
    mru.removeObsolete();
    benchmark::DoNotOptimize(optionsLibrary(ini) + fromHex(ini.readString(kToolBarSection, "State", "")).size());
  }
}

// Everything a start-up with a project on the command line does before its first window appears.
void BM_StartWithProject(benchmark::State& state) {
  const std::string path = optionsFile();
  for (auto _ : state) {
    IniFile ini;
    ini.load(path);
    FontSet fonts;
    fonts.load(TW_DATA_DIR);
    OpenedProject o = readProjectFile(TW_EXAMPLES_DIR "/ccontrols/Demo.twp", kWhite);
    for (FormDocument* f : o.project.openForms()) f->applyPaintRules(fonts);
    benchmark::DoNotOptimize(o.project.forms.size());
  }
}

}  // namespace

BENCHMARK(BM_DataDir)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFonts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOptions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartWithProject)->Unit(benchmark::kMillisecond);
