#pragma once
// A 32-bit pixel buffer with the drawing primitives the widgets paint with: a pen, a brush, a font, a clip
// rectangle and an origin, lines that stop one pixel short of their end, polygons filled even-odd and outlined
// by the pen, rectangles whose right and bottom edges are exclusive, and bitmap text. No antialiasing.
//
// Every primitive clips before it rasterises: coordinates anywhere in the int range cost only the pixels
// that land inside the clip rectangle.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "graphics/Font.h"

namespace tw {

class BitmapFont;

// Colour (0x00BBGGRR), kBlack and kWhite come from the model's font header. Values with the top bit set name
// system colours (0x80000000 + index), as the framework's do; the canvas draws them in the classic desktop
// scheme's colour.
inline constexpr Colour kInvalidColour = -1;  // what pixel() answers outside the canvas or the clip

// The plain 0x00BBGGRR value a colour draws with.
uint32_t rgbOf(Colour c);

enum class PenStyle : uint8_t { Solid, Dot, Clear };  // Dot: every other pixel of a line, from its start
enum class BrushStyle : uint8_t { Solid, Clear };

struct Pen {
  Colour color = kBlack;
  PenStyle style = PenStyle::Solid;
};

struct Brush {
  Colour color = kWhite;
  BrushStyle style = BrushStyle::Solid;
};

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool isEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

class Canvas {
 public:
  Canvas();
  Canvas(int width, int height, Colour fill = kWhite);

  // Sizes the buffer (negative sizes count as 0), fills it and resets origin, clip and pen position.
  void resize(int width, int height, Colour fill = kWhite);
  int width() const { return width_; }
  int height() const { return height_; }
  // Row-major pixels, width() per row, each 0x00BBGGRR.
  const uint32_t* data() const { return pixels_.data(); }
  uint32_t* data() { return pixels_.data(); }
  // Device pixel without origin or clip; (x, y) must be inside the buffer.
  uint32_t at(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }

  // Drawing state. The font colour is the colour of text; the brush fills shapes and, when solid, the
  // cell behind text.
  Pen pen;
  Brush brush;
  Colour fontColor = kBlack;
  void setFont(const BitmapFont& font) { font_ = &font; }
  const BitmapFont& font() const { return *font_; }

  // Coordinates given to the primitives are logical: device = logical + origin.
  Point origin() const;
  void setOrigin(Point p);
  // The clip rectangle in device pixels, always inside the buffer.
  Rect clipRect() const { return clip_; }
  void setClipRect(const Rect& device);
  void resetClip() { clip_ = {0, 0, width_, height_}; }
  struct State {
    long long ox = 0, oy = 0;
    Rect clip;
  };
  State state() const { return {ox_, oy_, clip_}; }
  void restore(const State& s);
  // Enters a child area: the origin moves by (x, y) and the clip shrinks to the w x h area there.
  void enter(int x, int y, int w, int h);

  // Fills the whole buffer, ignoring origin and clip.
  void clear(Colour c);

  void moveTo(int x, int y);
  // A pen line from the pen position to (x, y), covering the start pixel and stopping one short of the end.
  void lineTo(int x, int y);
  Point penPos() const { return pos_; }
  void line(int x0, int y0, int x1, int y1) {
    moveTo(x0, y0);
    lineTo(x1, y1);
  }
  // Lines through the points; the last point itself is not drawn.
  void polyline(std::span<const Point> pts);
  void polyline(std::initializer_list<Point> pts) { polyline(std::span<const Point>(pts.begin(), pts.size())); }
  // Fills the inside (even-odd; pixels whose centre lies inside or on a left or top edge) with the brush, then
  // outlines the closed shape with the pen, so an outlined polygon covers every point of its edges: a
  // polygon only one row or one column thick still shows.
  void polygon(std::span<const Point> pts);
  void polygon(std::initializer_list<Point> pts) { polygon(std::span<const Point>(pts.begin(), pts.size())); }
  // Outline with the pen along the inner edge of (l, t)-(r, b), inside filled with the brush; right and
  // bottom exclusive. Without a pen the filled area is one pixel smaller in both directions.
  void rectangle(int left, int top, int right, int bottom);
  void rectangle(const Rect& r) { rectangle(r.left, r.top, r.right, r.bottom); }
  // Fills exactly the rectangle with the brush (nothing for a clear brush), or with a colour.
  void fillRect(const Rect& r);
  void fillRect(const Rect& r, Colour c);

  // The colour at a logical point; kInvalidColour outside the buffer or the clip rectangle.
  Colour pixel(int x, int y) const;
  void setPixel(int x, int y, Colour c);

  // Text with its cell's top-left corner at (x, y), in the font colour; a solid brush first fills the cell
  // (text width x line height). UTF-8 text, drawn by Windows-1252 code.
  void textOut(int x, int y, std::string_view text);
  int textWidth(std::string_view text) const;
  // The font's line height, for any text.
  int textHeight(std::string_view text) const;

  // Copies another canvas's pixels with its top-left corner at logical (x, y).
  void draw(int x, int y, const Canvas& src);
  // A copy with every pixel enlarged to factor x factor (factor 1..64).
  Canvas scaled(int factor) const;

 private:
  void spanDevice(long long x0, long long x1, long long y, uint32_t c);  // [x0, x1) clipped
  void lineDevice(long long x0, long long y0, long long x1, long long y1, uint32_t c, bool dotted);
  void penLine(long long x0, long long y0, long long x1, long long y1);
  void fillPolygonDevice(std::span<const Point> pts, uint32_t c);

  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
  long long ox_ = 0, oy_ = 0;
  Rect clip_;
  Point pos_;
  const BitmapFont* font_;
  std::vector<long long> scratch_;  // polygon edge crossings, reused between calls
};

}  // namespace tw
