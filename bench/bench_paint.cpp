// Painting a whole form document picture: the face, a screen full of 40 controls of every kind, a shown
// dialog and a menu. The budget is 0.5 ms per picture.
#include <benchmark/benchmark.h>

#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCCheckbox.h"
#include "ccontrols/CCDropDown.h"
#include "ccontrols/CCEdit.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCRadio.h"
#include "ccontrols/CCSwitch.h"
#include "graphics/Fonts.h"
#include "model/FormDocument.h"
#include "model/FormPicture.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTList.h"

using namespace tw;

namespace {

template <class T> T* place(FormDocument& f, Control* parent, int l, int t, int w, int h) {
  auto* c = static_cast<T*>(f.add(std::make_unique<T>(), parent));
  c->setBounds(l, t, w, h);
  c->color = kWhite;
  return c;
}

// 40 controls on a 4 x 10 grid, each kind in turn.
void fill(FormDocument& form) {
  const std::vector<std::string> items = {"Apple", "Pear", "Plum", "Fig"};
  for (int i = 0; i < 40; ++i) {
    const int x = (i % 4) * 40, y = 16 + (i / 4) * 14;
    Control* s = &form.screen();
    switch (i % 10) {
      case 0: place<TCCButton>(form, s, x, y, 38, 13)->content = "Button"; break;
      case 1: {
        auto* w = place<TCCSwitch>(form, s, x, y, 38, 13);
        w->content = "On";
        w->state = 1;
        break;
      }
      case 2: place<TCCLabel>(form, s, x, y, 38, 13)->content = "Label"; break;
      case 3: place<TCCEdit>(form, s, x, y, 38, 13)->content = "Edit"; break;
      case 4: {
        auto* c = place<TCCCheckbox>(form, s, x, y, 38, 13);
        c->content = "Yes";
        c->state = 1;
        break;
      }
      case 5: {
        auto* l = place<TCCListBox>(form, s, x, y, 38, 13);
        l->items = items;
        l->selectedItem = 0;
        break;
      }
      case 6: place<TCCRadio>(form, s, x, y, 38, 13)->items = {"a", "b", "c"}; break;
      case 7: {
        auto* d = place<TCCDropDown>(form, s, x, y, 38, 13);
        d->items = items;
        d->selectedItem = 1;
        break;
      }
      case 8: place<TCCBitmap>(form, s, x, y, 16, 13)->stringBits = std::string(52, 'A'); break;
      default: {
        auto* e = place<TPTEdit>(form, s, x, y, 38, 13);
        e->text = "wrapped field text";
        break;
      }
    }
  }
  auto* menu = place<TCCMenu>(form, nullptr, 4, 2, 40, 40);
  menu->items = {"Open", "Save", "Quit"};
}

void BM_PaintFullForm(benchmark::State& state) {
  handheldFonts().load(TW_DATA_DIR);
  FormDocument form(1, "Bench");
  fill(form);
  Canvas picture;
  drawFormPicture(picture, form, handheldFonts());
  for (auto _ : state) {
    drawFormPicture(picture, form, handheldFonts());
    benchmark::DoNotOptimize(picture.data());
  }
}
BENCHMARK(BM_PaintFullForm)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_PaintHugeControls(benchmark::State& state) {
  handheldFonts().load(TW_DATA_DIR);
  FormDocument form(2, "Huge");
  auto* b = place<TPTButton>(form, &form.screen(), -32768, -32768, 32767, 32767);
  b->frame = 1;
  auto* l = place<TPTList>(form, &form.screen(), -100, -100, 32767, 32767);
  l->items.assign(3000, std::string(200, 'W'));
  l->setMaxItems(2978);
  Canvas picture;
  for (auto _ : state) {
    drawFormPicture(picture, form, handheldFonts());
    benchmark::DoNotOptimize(picture.data());
  }
}
BENCHMARK(BM_PaintHugeControls)->Unit(benchmark::kMicrosecond);

}  // namespace
