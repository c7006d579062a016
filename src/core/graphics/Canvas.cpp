#include "Canvas.h"

#include <algorithm>
#include <climits>

#include "BitmapFont.h"
#include "Fonts.h"

namespace tw {
namespace {

using i64 = long long;
using i128 = __int128;

// The classic desktop scheme, for colours given as system colour indexes.
constexpr uint32_t kSystemColours[31] = {
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF,
    0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0x000000,
    0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF9933,
    0xC8D0D4};

i64 floorDiv(i128 a, i128 b) {  // b > 0
  i128 q = a / b;
  if ((a % b) != 0 && a < 0) --q;
  return static_cast<i64>(q);
}

i64 ceilDiv(i128 a, i128 b) {  // b > 0
  i128 q = a / b;
  if ((a % b) != 0 && a > 0) ++q;
  return static_cast<i64>(q);
}

// First i in [lo, hi] with pred(i) true, for a predicate that is false then true; hi + 1 when none.
template <class P> i64 firstTrue(i64 lo, i64 hi, P pred) {
  i64 a = lo, b = hi + 1;
  while (a < b) {
    i64 m = a + (b - a) / 2;
    if (pred(m)) b = m;
    else a = m + 1;
  }
  return a;
}

}  // namespace

uint32_t rgbOf(Colour c) {
  uint32_t u = static_cast<uint32_t>(c);
  if (u & 0x80000000u) {
    uint32_t i = u & 0xFFu;
    return i < 31 ? kSystemColours[i] : 0;
  }
  return u & 0x00FFFFFFu;
}

Canvas::Canvas() : font_(&handheldFonts().face(FontFace::Standard)) {}

Canvas::Canvas(int width, int height, Colour fill) : Canvas() { resize(width, height, fill); }

void Canvas::resize(int width, int height, Colour fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(size_t(width_) * size_t(height_), rgbOf(fill));
  ox_ = oy_ = 0;
  pos_ = {};
  resetClip();
}

Point Canvas::origin() const {
  return {static_cast<int>(std::clamp<i64>(ox_, INT_MIN, INT_MAX)),
          static_cast<int>(std::clamp<i64>(oy_, INT_MIN, INT_MAX))};
}

void Canvas::setOrigin(Point p) {
  ox_ = p.x;
  oy_ = p.y;
}

void Canvas::setClipRect(const Rect& r) {
  clip_.left = std::clamp(r.left, 0, width_);
  clip_.top = std::clamp(r.top, 0, height_);
  clip_.right = std::clamp(r.right, clip_.left, width_);
  clip_.bottom = std::clamp(r.bottom, clip_.top, height_);
}

void Canvas::restore(const State& s) {
  ox_ = s.ox;
  oy_ = s.oy;
  setClipRect(s.clip);
}

void Canvas::enter(int x, int y, int w, int h) {
  ox_ += x;
  oy_ += y;
  i64 l = std::max<i64>(clip_.left, ox_), t = std::max<i64>(clip_.top, oy_);
  i64 r = std::min<i64>(clip_.right, ox_ + std::max(w, 0)), b = std::min<i64>(clip_.bottom, oy_ + std::max(h, 0));
  if (r <= l || b <= t) {
    clip_ = {clip_.left, clip_.top, clip_.left, clip_.top};
  } else {
    clip_ = {int(l), int(t), int(r), int(b)};
  }
}

void Canvas::clear(Colour c) { std::fill(pixels_.begin(), pixels_.end(), rgbOf(c)); }

void Canvas::spanDevice(i64 x0, i64 x1, i64 y, uint32_t c) {
  if (y < clip_.top || y >= clip_.bottom) return;
  x0 = std::max<i64>(x0, clip_.left);
  x1 = std::min<i64>(x1, clip_.right);
  if (x0 >= x1) return;
  std::fill_n(pixels_.data() + size_t(y) * size_t(width_) + size_t(x0), size_t(x1 - x0), c);
}

// Pixels i = 0 .. n-1 of the line, n = the longer axis' length; along the longer axis the i-th pixel is at
// start + i, across it at start + round(i * minor / major) with halves rounded up. Only the steps whose
// pixels fall inside the clip rectangle are visited.
void Canvas::lineDevice(i64 x0, i64 y0, i64 x1, i64 y1, uint32_t c, bool dotted) {
  i64 dx = x1 - x0, dy = y1 - y0;
  if (dx == 0 && dy == 0) return;
  if (clip_.isEmpty()) return;
  bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  // Work in (major, minor) terms.
  i64 a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  i64 da = xMajor ? dx : dy, db = xMajor ? dy : dx;
  i64 aLo = xMajor ? clip_.left : clip_.top, aHi = xMajor ? clip_.right - 1 : clip_.bottom - 1;
  i64 bLo = xMajor ? clip_.top : clip_.left, bHi = xMajor ? clip_.bottom - 1 : clip_.right - 1;
  i64 sa = da > 0 ? 1 : -1;
  i64 n = da > 0 ? da : -da;  // steps 0 .. n-1
  // Steps whose major coordinate lies in [aLo, aHi].
  i64 lo, hi;
  if (sa > 0) {
    lo = aLo - a0;
    hi = aHi - a0;
  } else {
    lo = a0 - aHi;
    hi = a0 - aLo;
  }
  lo = std::max<i64>(lo, 0);
  hi = std::min<i64>(hi, n - 1);
  if (lo > hi) return;
  const i128 twoN = i128(2) * n;
  auto minorAt = [&](i64 i) { return b0 + floorDiv(i128(2) * i * db + n, twoN); };
  // The minor coordinate is monotonic in i: keep the steps where it lies in [bLo, bHi].
  if (db >= 0) {
    lo = firstTrue(lo, hi, [&](i64 i) { return minorAt(i) >= bLo; });
    hi = firstTrue(lo, hi, [&](i64 i) { return minorAt(i) > bHi; }) - 1;
  } else {
    lo = firstTrue(lo, hi, [&](i64 i) { return minorAt(i) <= bHi; });
    hi = firstTrue(lo, hi, [&](i64 i) { return minorAt(i) < bLo; }) - 1;
  }
  if (lo > hi) return;
  // Incremental walk from step lo: minor = b0 + floor(num / 2n), num = 2 i db + n.
  i128 num0 = i128(2) * lo * db + n;
  i64 b = b0 + floorDiv(num0, twoN);
  i64 rem = static_cast<i64>(num0 - i128(b - b0) * twoN);  // 0 <= rem < 2n
  const i64 twoNs = 2 * n, step = 2 * db;
  i64 a = a0 + sa * lo;
  const size_t w = size_t(width_);
  for (i64 i = lo; i <= hi; ++i) {
    if (!dotted || (i & 1) == 0) {
      if (xMajor) pixels_[size_t(b) * w + size_t(a)] = c;
      else pixels_[size_t(a) * w + size_t(b)] = c;
    }
    a += sa;
    rem += step;
    if (rem >= twoNs) {
      rem -= twoNs;
      ++b;
    } else if (rem < 0) {
      rem += twoNs;
      --b;
    }
  }
}

void Canvas::penLine(i64 x0, i64 y0, i64 x1, i64 y1) {
  if (pen.style == PenStyle::Clear) return;
  lineDevice(x0 + ox_, y0 + oy_, x1 + ox_, y1 + oy_, rgbOf(pen.color), pen.style == PenStyle::Dot);
}

void Canvas::moveTo(int x, int y) { pos_ = {x, y}; }

void Canvas::lineTo(int x, int y) {
  penLine(pos_.x, pos_.y, x, y);
  pos_ = {x, y};
}

void Canvas::polyline(std::span<const Point> pts) {
  if (pts.empty()) return;
  moveTo(pts[0].x, pts[0].y);
  for (size_t i = 1; i < pts.size(); ++i) lineTo(pts[i].x, pts[i].y);
}

// Scanline fill: row y (pixel centres at integer coordinates) is crossed by the edges with
// ymin <= y < ymax; between pairs of crossings the pixels ceil(xa) .. ceil(xb) - 1 are filled.
void Canvas::fillPolygonDevice(std::span<const Point> pts, uint32_t c) {
  const size_t n = pts.size();
  i64 yMin = LLONG_MAX, yMax = LLONG_MIN;
  for (const Point& p : pts) {
    yMin = std::min<i64>(yMin, p.y + oy_);
    yMax = std::max<i64>(yMax, p.y + oy_);
  }
  i64 rowLo = std::max<i64>(yMin, clip_.top), rowHi = std::min<i64>(yMax - 1, clip_.bottom - 1);
  for (i64 y = rowLo; y <= rowHi; ++y) {
    scratch_.clear();
    for (size_t k = 0; k < n; ++k) {
      const Point& p = pts[k];
      const Point& q = pts[(k + 1) % n];
      i64 ya = p.y + oy_, yb = q.y + oy_;
      if (ya == yb) continue;
      i64 xa = p.x + ox_, xb = q.x + ox_;
      if (ya > yb) {
        std::swap(ya, yb);
        std::swap(xa, xb);
      }
      if (y < ya || y >= yb) continue;
      // x = xa + (y - ya)(xb - xa)/(yb - ya), rounded up to the first pixel centre at or right of it
      scratch_.push_back(xa + ceilDiv(i128(y - ya) * (xb - xa), yb - ya));
    }
    std::sort(scratch_.begin(), scratch_.end());
    for (size_t k = 0; k + 1 < scratch_.size(); k += 2) spanDevice(scratch_[k], scratch_[k + 1], y, c);
  }
}

void Canvas::polygon(std::span<const Point> pts) {
  if (pts.size() < 2 || clip_.isEmpty()) return;
  if (brush.style == BrushStyle::Solid) fillPolygonDevice(pts, rgbOf(brush.color));
  if (pen.style != PenStyle::Clear) {
    for (size_t k = 0; k < pts.size(); ++k) {
      const Point& p = pts[k];
      const Point& q = pts[(k + 1) % pts.size()];
      penLine(p.x, p.y, q.x, q.y);
    }
  }
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
  i64 l = std::min(left, right), r = std::max(left, right);
  i64 t = std::min(top, bottom), b = std::max(top, bottom);
  if (r <= l || b <= t) return;
  l += ox_;
  r += ox_;
  t += oy_;
  b += oy_;
  bool outline = pen.style != PenStyle::Clear;
  if (brush.style == BrushStyle::Solid) {
    // with a pen the inside, without one the area one pixel smaller than the rectangle
    i64 fl = outline ? l + 1 : l, ft = outline ? t + 1 : t, fr = r - 1, fb = b - 1;
    uint32_t c = rgbOf(brush.color);
    for (i64 y = std::max<i64>(ft, clip_.top), ye = std::min<i64>(fb, clip_.bottom); y < ye; ++y)
      spanDevice(fl, fr, y, c);
  }
  if (!outline) return;
  uint32_t c = rgbOf(pen.color);
  if (pen.style == PenStyle::Solid) {
    spanDevice(l, r, t, c);
    spanDevice(l, r, b - 1, c);
    for (i64 y = std::max<i64>(t, clip_.top), ye = std::min<i64>(b, clip_.bottom); y < ye; ++y) {
      spanDevice(l, l + 1, y, c);
      spanDevice(r - 1, r, y, c);
    }
  } else {
    bool dot = true;
    lineDevice(l, t, r - 1, t, c, dot);
    lineDevice(r - 1, t, r - 1, b - 1, c, dot);
    lineDevice(r - 1, b - 1, l, b - 1, c, dot);
    lineDevice(l, b - 1, l, t, c, dot);
    if (r - l == 1 && b - t == 1) spanDevice(l, r, t, c);
  }
}

void Canvas::fillRect(const Rect& r) {
  if (brush.style == BrushStyle::Solid) fillRect(r, brush.color);
}

void Canvas::fillRect(const Rect& r, Colour colour) {
  uint32_t c = rgbOf(colour);
  i64 l = r.left + ox_, rt = r.right + ox_;
  for (i64 y = std::max<i64>(r.top + oy_, clip_.top), ye = std::min<i64>(r.bottom + oy_, clip_.bottom); y < ye; ++y)
    spanDevice(l, rt, y, c);
}

Colour Canvas::pixel(int x, int y) const {
  i64 dx = x + ox_, dy = y + oy_;
  if (dx < clip_.left || dx >= clip_.right || dy < clip_.top || dy >= clip_.bottom) return kInvalidColour;
  return static_cast<Colour>(at(int(dx), int(dy)));
}

void Canvas::setPixel(int x, int y, Colour c) {
  i64 dx = x + ox_, dy = y + oy_;
  if (dx < clip_.left || dx >= clip_.right || dy < clip_.top || dy >= clip_.bottom) return;
  pixels_[size_t(dy) * size_t(width_) + size_t(dx)] = rgbOf(c);
}

int Canvas::textWidth(std::string_view text) const { return font_->textWidth(text); }

int Canvas::textHeight(std::string_view) const { return font_->lineHeight(); }

void Canvas::textOut(int x, int y, std::string_view text) {
  const BitmapFont& f = *font_;
  i64 px = x + ox_;
  const i64 top = y + oy_;
  if (brush.style == BrushStyle::Solid) fillRect({x, y, x + f.textWidth(text), y + f.lineHeight()});
  if (clip_.isEmpty()) return;
  const uint32_t c = rgbOf(fontColor);
  const size_t w = size_t(width_);
  const i64 cl = clip_.left, cr = clip_.right, ct = clip_.top, cb = clip_.bottom;
  forEachTextCode(text, [&](unsigned char code) {
    const BitmapFont::Glyph& g = f.glyph(code);
    i64 gx = px + g.left, gy = top + g.top;
    px += g.advance;
    if (g.width == 0 || gx >= cr || gy >= cb || gx + g.width <= cl || gy + g.height <= ct) return;
    const uint32_t* rows = f.rows(g);
    // columns and rows of the glyph inside the clip
    int c0 = int(std::max<i64>(0, cl - gx)), c1 = int(std::min<i64>(g.width, cr - gx));
    int r0 = int(std::max<i64>(0, ct - gy)), r1 = int(std::min<i64>(g.height, cb - gy));
    uint32_t mask = (0xFFFFFFFFu >> c0) & ~(c1 >= 32 ? 0u : 0xFFFFFFFFu >> c1);
    for (int r = r0; r < r1; ++r) {
      uint32_t bits = rows[r] & mask;
      const i64 rowStart = (gy + r) * i64(w) + gx;
      while (bits) {
        int col = __builtin_clz(bits);
        pixels_[size_t(rowStart + col)] = c;
        bits &= ~(0x80000000u >> col);
      }
    }
  });
}

void Canvas::draw(int x, int y, const Canvas& src) {
  i64 dx = x + ox_, dy = y + oy_;
  i64 l = std::max<i64>(dx, clip_.left), r = std::min<i64>(dx + src.width_, clip_.right);
  i64 t = std::max<i64>(dy, clip_.top), b = std::min<i64>(dy + src.height_, clip_.bottom);
  if (l >= r || t >= b) return;
  for (i64 row = t; row < b; ++row) {
    const uint32_t* from = src.pixels_.data() + size_t(row - dy) * size_t(src.width_) + size_t(l - dx);
    std::copy_n(from, size_t(r - l), pixels_.data() + size_t(row) * size_t(width_) + size_t(l));
  }
}

Canvas Canvas::scaled(int factor) const {
  factor = std::clamp(factor, 1, 64);
  while (factor > 1 && i64(std::max(width_, height_)) * factor > 32768) --factor;
  Canvas out(width_ * factor, height_ * factor);
  for (int y = 0; y < out.height_; ++y) {
    const uint32_t* from = pixels_.data() + size_t(y / factor) * size_t(width_);
    uint32_t* to = out.pixels_.data() + size_t(y) * size_t(out.width_);
    for (int x = 0; x < out.width_; ++x) to[x] = from[x / factor];
  }
  return out;
}

}  // namespace tw
