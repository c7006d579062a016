// Speed of the drawing primitives at the scale of one form: 40 controls of frames, fills and text.
#include <benchmark/benchmark.h>

#include <climits>

#include "graphics/Canvas.h"
#include "graphics/Fonts.h"

using namespace tw;

namespace {

void paintButton(Canvas& c, int w, int h, const char* text) {
  c.pen = {kBlack, PenStyle::Solid};
  c.brush = {kWhite, BrushStyle::Solid};
  const int r = 3;
  c.polygon({{r, 0}, {w - 1 - r, 0}, {w - 1, r}, {w - 1, h - 1 - r}, {w - 1 - r, h - 1}, {r, h - 1}, {0, h - 1 - r}, {0, r}});
  c.brush.style = BrushStyle::Clear;
  c.textOut((w - c.textWidth(text)) / 2, (h - c.textHeight(text)) / 2, text);
}

void paintList(Canvas& c, int w, int h) {
  c.brush.style = BrushStyle::Clear;
  c.rectangle(0, 0, w, h);
  for (int i = 0; i < 4; ++i) {
    bool sel = i == 1;
    c.pen.color = sel ? kBlack : kWhite;
    c.brush = {sel ? kBlack : kWhite, BrushStyle::Solid};
    c.polygon({{1, 1 + 11 * i}, {w - 3, 1 + 11 * i}, {w - 3, 11 * i + 11}, {1, 11 * i + 11}});
    c.fontColor = sel ? kWhite : kBlack;
    c.brush.style = BrushStyle::Clear;
    c.textOut(2, 11 * i + 1, "List item");
  }
  c.pen.color = kBlack;
  c.fontColor = kBlack;
}

void BM_PaintFormOf40Controls(benchmark::State& state) {
  handheldFonts().load(TW_DATA_DIR);
  Canvas c(167, 227);
  c.setFont(handheldFonts().face("PilotStandard"));
  for (auto _ : state) {
    c.clear(kWhite);
    Canvas::State outer = c.state();
    for (int i = 0; i < 40; ++i) {
      int x = (i % 4) * 40, y = (i / 4) * 16;
      c.enter(x, y, 38, 14);
      c.fillRect({0, 0, 38, 14}, kWhite);
      if (i % 3 == 2) paintList(c, 38, 14);
      else paintButton(c, 38, 14, "Button");
      c.restore(outer);
    }
    benchmark::DoNotOptimize(c.data());
  }
}
BENCHMARK(BM_PaintFormOf40Controls);

void BM_HugeLineAndPolygon(benchmark::State& state) {
  Canvas c(160, 160);
  for (auto _ : state) {
    c.line(INT_MIN, INT_MIN + 7, INT_MAX, INT_MAX - 9);
    c.polygon({{-2000000000, 3}, {2000000000, 5}, {2000000000, 2000000000}, {3, 2000000000}});
    benchmark::DoNotOptimize(c.data());
  }
}
BENCHMARK(BM_HugeLineAndPolygon);

}  // namespace
