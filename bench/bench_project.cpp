// A large project: 50 forms of 40 controls each. Opening it, generating its code, saving it all.
// Budgets: open under 250 ms, generate under 30 ms, save all under 150 ms (medians).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCCheckbox.h"
#include "ccontrols/CCEdit.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
#include "ccontrols/CCRadio.h"
#include "ccontrols/CCSwitch.h"
#include "codegen/Generate.h"
#include "graphics/Fonts.h"
#include "model/Family.h"
#include "model/FormDocument.h"
#include "model/Project.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTCheckBox.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTGsi.h"
#include "ptoolbox/PTLabel.h"
#include "ptoolbox/PTList.h"
#include "ptoolbox/PTPopTrigger.h"

using namespace tw;

namespace {

constexpr int kForms = 50, kControls = 40;

std::unique_ptr<Control> ccControl(int i) {
  switch (i % 10) {
    case 0: { auto c = std::make_unique<TCCButton>(); c->content = "Button"; c->showForm = "(None)"; return c; }
    case 1: { auto c = std::make_unique<TCCLabel>(); c->content = "Label text"; return c; }
    case 2: { auto c = std::make_unique<TCCSwitch>(); c->content = "On"; return c; }
    case 3: { auto c = std::make_unique<TCCCheckbox>(); c->content = "Check"; return c; }
    case 4: { auto c = std::make_unique<TCCListBox>(); c->items = {"one", "two", "three"}; return c; }
    case 5: { auto c = std::make_unique<TCCRadio>(); c->items = {"a", "b"}; return c; }
    case 6: { auto c = std::make_unique<TCCEdit>(); c->content = "Edit"; return c; }
    case 7: { auto c = std::make_unique<TCCPopUp>(); c->items = {"x", "y"}; return c; }
    case 8: { auto c = std::make_unique<TCCBitmap>(); c->stringBits = std::string(100, 'F'); c->tag = i % 20 == 8; return c; }
    default: { auto c = std::make_unique<TCCEdit>(); c->tag = 1; c->content = "Line"; return c; }
  }
}

std::unique_ptr<Control> ptControl(int i) {
  switch (i % 10) {
    case 0: { auto c = std::make_unique<TPTButton>(); c->showForm = "(None)"; c->buttonType = i % 20 == 0; return c; }
    case 1: { auto c = std::make_unique<TPTLabel>(); c->content = "Label text"; return c; }
    case 2: { auto c = std::make_unique<TCCSwitch>(); c->content = "Push"; c->tag = 3; return c; }
    case 3: { auto c = std::make_unique<TPTCheckbox>(); c->content = "Check"; return c; }
    case 4: { auto c = std::make_unique<TPTList>(); c->items = {"one", "two", "three"}; c->setTrigger("(None)"); return c; }
    case 5: { auto c = std::make_unique<TCCButton>(); c->content = "Select"; c->tag = 3; return c; }
    case 6: { auto c = std::make_unique<TPTEdit>(); return c; }
    case 7: { auto c = std::make_unique<TPTPopTrigger>(); return c; }
    case 8: { auto c = std::make_unique<TCCBitmap>(); c->stringBits = std::string(100, 'F'); return c; }
    default: return std::make_unique<TPTGsi>();
  }
}

// Writes a project of kForms forms into a scratch folder once per library and returns its path.
std::string projectFile(int lib) {
  static std::string paths[3];
  if (!paths[lib].empty()) return paths[lib];
  char tmpl[] = "/tmp/twbenchproject.XXXXXX";
  std::string dir = ::mkdtemp(tmpl);
  static std::vector<std::string> scratch;
  if (scratch.empty())
    std::atexit([] {
      for (const auto& d : scratch) std::system(("rm -rf '" + d + "'").c_str());
    });
  scratch.push_back(dir);
  Project p;
  p.library = lib;
  for (int f = 0; f < kForms; ++f) {
    auto form = std::make_unique<FormDocument>(lib, "Form" + std::to_string(f + 1));
    form->fileName = dir + "/" + form->formName + ".twk";
    auto dialog = std::make_unique<TPTDialog>();
    dialog->setNameUnchecked("Dialog" + std::to_string(f + 1));
    Control* dlg = form->add(std::move(dialog), &form->screen());
    for (int i = 0; i < kControls - 1; ++i) {
      auto c = lib == kLibCControls ? ccControl(i) : ptControl(i);
      c->setNameUnchecked("C" + std::to_string(i));
      c->setBounds(i % 4 * 40, i / 4 * 15, 38, 14);
      form->add(std::move(c), i % 8 == 7 ? dlg : &form->screen());
    }
    if (lib == kLibCControls) {
      auto bar = std::make_unique<TCCMenuBar>();
      bar->setNameUnchecked("Bar");
      form->add(std::move(bar), nullptr);
      auto menu = std::make_unique<TCCMenu>();
      menu->setNameUnchecked("Menu");
      menu->items = {"Open", "Close"};
      form->add(std::move(menu), nullptr);
    }
    p.forms.push_back({std::move(form), true});
  }
  paths[lib] = dir + "/Big.twp";
  writeProjectFile(p, paths[lib], {}, saveFormsToTheirFiles(), nullptr);
  return paths[lib];
}

// Opening as the command line does: read the file and its forms, paint each once.
OpenedProject openProject(int lib) {
  OpenedProject o = readProjectFile(projectFile(lib), kWhite);
  for (FormDocument* f : o.project.openForms()) f->applyPaintRules(handheldFonts());
  return o;
}

void BM_OpenProject(benchmark::State& state) {
  const int lib = int(state.range(0));
  projectFile(lib);
  for (auto _ : state) {
    OpenedProject o = openProject(lib);
    benchmark::DoNotOptimize(o.project.forms.size());
  }
}

void BM_GenerateCode(benchmark::State& state) {
  const int lib = int(state.range(0));
  OpenedProject o = openProject(lib);
  GenerateRequest r;
  r.library = lib;
  r.project = o.project.name;
  for (FormDocument* f : o.project.openForms()) r.forms.push_back(f);
  for (auto _ : state) {
    GeneratedCode code;
    generateCode(r, code, nullptr);
    std::string bytes = linesToFile(code.forms) + linesToFile(code.events);
    benchmark::DoNotOptimize(bytes.size());
  }
}

void BM_SaveAll(benchmark::State& state) {
  const int lib = int(state.range(0));
  OpenedProject o = openProject(lib);
  for (auto _ : state) {
    std::string why;
    if (!writeProjectFile(o.project, o.project.file, o.windows, saveFormsToTheirFiles(), &why))
      state.SkipWithError(why.c_str());
  }
}

}  // namespace

BENCHMARK(BM_OpenProject)->Arg(kLibCControls)->Arg(kLibPToolbox)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateCode)->Arg(kLibCControls)->Arg(kLibPToolbox)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAll)->Arg(kLibCControls)->Arg(kLibPToolbox)->Unit(benchmark::kMillisecond);
