// Placing controls one after another on one form through the designer, as clicks on the palette and
// the form do: each placement names the control, selects it and inspects it. The time per placement
// must stay about linear in the controls already there (BigO below), so that 500 placements stay quick.
#include <benchmark/benchmark.h>

#include "model/Designer.h"
#include "model/FormDocument.h"

using namespace tw;

namespace {

constexpr Tool kCycle[] = {Tool::Button, Tool::Label, Tool::CheckBox, Tool::Edit, Tool::ListBox, Tool::Bitmap};

void BM_Place(benchmark::State& state) {
  const int n = int(state.range(0)), lib = int(state.range(1));
  size_t placed = 0;
  for (auto _ : state) {
    RecordingMessages messages;
    Designer d(messages, lib);
    FormDocument& form = d.newForm();
    for (int i = 0; i < n; ++i) {
      d.tool = kCycle[i % 6];
      d.place(form, i % 16 * 10, i / 16 % 16 * 10, nullptr);
    }
    placed = form.screen().children().size();
  }
  state.counters["placed"] = double(placed);
  state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(BM_Place)
    ->ArgsProduct({{125, 250, 500}, {kLibCControls}})
    ->Complexity(benchmark::oNSquared)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Place)->Args({500, kLibPToolbox})->Unit(benchmark::kMillisecond);
