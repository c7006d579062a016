#include "FormPicture.h"

#include <algorithm>

#include "FormDocument.h"
#include "WidgetPaint.h"
#include "graphics/Fonts.h"

namespace tw {
namespace {

// Colours of the face (0x00BBGGRR).
constexpr Colour kCase = 0x4A4541;        // the dark case around everything
constexpr Colour kLcd = 0x8CBC9C;         // the green glass of the screen area
constexpr Colour kSilk = 0x84AE92;        // the silk-screened glass below the screen
constexpr Colour kInk = 0x2C3A2E;         // the silk-screen's printing
constexpr Colour kInkLight = 0x5E7A64;

// Rings and discs, by distance from the centre.
void ring(Canvas& c, int cx, int cy, int r, Colour colour) {
  for (int y = -r; y <= r; ++y)
    for (int x = -r; x <= r; ++x) {
      int d = x * x + y * y;
      if (d <= r * r + r && d > (r - 1) * (r - 1) + (r - 1)) c.setPixel(cx + x, cy + y, colour);
    }
}

Canvas buildFace() {
  Canvas c(kFaceWidth, kFaceHeight, kCase);
  c.pen = {kInk, PenStyle::Solid};

  // The glass: the green screen area and the silk-screen below it, rounded at the corners.
  c.pen.style = PenStyle::Clear;
  c.brush = {kLcd, BrushStyle::Solid};
  c.polygon({{3, 0}, {163, 0}, {166, 3}, {166, 165}, {0, 165}, {0, 3}});
  c.brush.color = kSilk;
  c.polygon({{0, 166}, {166, 166}, {166, 223}, {163, 226}, {3, 226}, {0, 223}});
  c.fillRect({0, 165, kFaceWidth, 166}, kInkLight);  // where the display ends

  // The writing area, letters at the left and numbers at the right, with their marks.
  c.pen = {kInk, PenStyle::Solid};
  c.brush.style = BrushStyle::Clear;
  c.polygon({{30, 170}, {136, 170}, {138, 172}, {138, 219}, {136, 221}, {30, 221}, {28, 219}, {28, 172}});
  c.line(97, 171, 97, 221);
  for (int x : {60, 115}) {  // the small triangles that mark the halves' bottoms
    c.brush = {kInk, BrushStyle::Solid};
    c.polygon({{x - 2, 221}, {x + 2, 221}, {x, 218}});
  }
  c.brush.style = BrushStyle::Clear;

  // Four round buttons: home and menu at the left, calculator and find at the right.
  const Point centres[4] = {{14, 180}, {14, 208}, {152, 180}, {152, 208}};
  for (Point p : centres) ring(c, p.x, p.y, 9, kInk);
  // home: a little house
  c.polygon({{10, 180}, {14, 176}, {18, 180}});
  c.polygon({{11, 180}, {17, 180}, {17, 184}, {11, 184}});
  // menu: three lines under a bar
  c.fillRect({9, 203, 20, 205}, kInk);
  for (int y : {207, 209, 211}) c.fillRect({11, y, 18, y + 1}, kInk);
  // calculator: a box with keys
  c.polygon({{147, 175}, {157, 175}, {157, 185}, {147, 185}});
  for (int y : {178, 181, 184})
    for (int x : {149, 152, 155}) c.setPixel(x, y - 1, kInk);
  // find: a magnifying glass
  ring(c, 150, 206, 4, kInk);
  c.line(153, 209, 157, 213);
  c.line(154, 209, 158, 213);
  return c;
}

}  // namespace

const Canvas& handheldFace() {
  static const Canvas face = buildFace();
  return face;
}

void drawControlTree(Canvas& canvas, Control& c, const FontSet& fonts) {
  if (!c.visible) return;
  c.beforePaint(fonts);
  const Canvas::State saved = canvas.state();
  canvas.enter(c.left(), c.top(), c.width(), c.paintedHeight());
  if (!canvas.clipRect().isEmpty()) paintControl(canvas, c, fonts);
  // Children out of sight still follow the paint-time rules, as applyPaintRules has them.
  for (const auto& k : c.children()) drawControlTree(canvas, *k, fonts);
  canvas.restore(saved);
}

void drawFormPicture(Canvas& out, FormDocument& form, const FontSet& fonts) {
  const Canvas& face = handheldFace();
  if (out.width() != face.width() || out.height() != face.height()) out.resize(face.width(), face.height());
  out.setOrigin({0, 0});
  out.resetClip();
  std::copy_n(face.data(), size_t(face.width()) * size_t(face.height()), out.data());
  drawControlTree(out, form.screen(), fonts);
  for (const auto& c : form.windowChildren()) drawControlTree(out, *c, fonts);
}

Canvas formPicture(FormDocument& form, const FontSet& fonts) {
  Canvas out(kFaceWidth, kFaceHeight);
  drawFormPicture(out, form, fonts);
  return out;
}

Canvas screenPicture(FormDocument& form, const FontSet& fonts) {
  Canvas picture = formPicture(form, fonts);
  Canvas screen(160, 160);
  screen.draw(-form.screen().left(), -form.screen().top(), picture);
  return screen;
}

}  // namespace tw
