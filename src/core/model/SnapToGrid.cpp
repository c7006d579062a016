#include "SnapToGrid.h"

#include <algorithm>

#include "Control.h"

namespace tw {

SizeCursor cursorFor(unsigned edges) {
  const bool l = edges & kEdgeLeft, r = edges & kEdgeRight, t = edges & kEdgeTop, b = edges & kEdgeBottom;
  if ((t && l) || (b && r)) return SizeCursor::SizeNWSE;
  if ((t && r) || (b && l)) return SizeCursor::SizeNESW;
  if (l || r) return SizeCursor::SizeWE;
  if (t || b) return SizeCursor::SizeNS;
  return SizeCursor::Arrow;
}

unsigned edgesAt(int w, int h, int x, int y) {
  const int e = SnapToGrid::kEdgeWidth;
  unsigned edges = kEdgeNone;
  if (w - x <= x) {
    if (w < x + e) edges |= kEdgeRight;
  } else if (x < e) {
    edges |= kEdgeLeft;
  }
  if (h - y <= y) {
    if (h < y + e) edges |= kEdgeBottom;
  } else if (y < e) {
    edges |= kEdgeTop;
  }
  return edges;
}

int gridSizeFor(int requested) {
  if (requested < 1) return 0;
  int v = std::min(requested, 32767);
  int p = 1;
  while (p * 2 <= v) p *= 2;
  return p;
}

int snapChange(int change, int grid) {
  if (grid <= 1) return change;
  // Floor division, then the remainder decides: above half rounds up, exactly half to the even one.
  int q = change / grid, r = change % grid;
  if (r < 0) q -= 1, r += grid;
  if (2 * r > grid || (2 * r == grid && (q & 1))) q += 1;
  return q * grid;
}

bool hits(const Control& c, int x, int y) {
  return x >= c.left() && y >= c.top() && x < c.left() + c.width() && y < c.top() + c.paintedHeight();
}

Control* SnapToGrid::childAt(int x, int y) const {
  if (!window) return nullptr;
  const auto& kids = window->children();
  // Child order runs back to front: the last child lies in front.
  for (auto it = kids.rbegin(); it != kids.rend(); ++it)
    if ((*it)->visible && hits(**it, x, y)) return it->get();
  return nullptr;
}

unsigned SnapToGrid::hover(const Control& c, int x, int y, bool shift) {
  hovered_ = &c;
  hoverX_ = x, hoverY_ = y;
  edges_ = (shift || !resizeable) ? kEdgeNone : edgesAt(c.width(), c.height(), x, y);
  return edges_;
}

void SnapToGrid::press(Control& c, int x, int y, int px, int py, bool shift) {
  if (hovered_ != &c || hoverX_ != x || hoverY_ != y) hover(c, x, y, shift);
  control_ = &c;
  pressX_ = px, pressY_ = py;
  left_ = c.left(), top_ = c.top(), width_ = c.width(), height_ = c.height();
}

bool SnapToGrid::drag(int px, int py, bool ctrl) {
  if (!control_) return false;
  int dx = px - pressX_, dy = py - pressY_;
  if (!ctrl) dx = snapChange(dx, grid_), dy = snapChange(dy, grid_);
  long long l = left_, t = top_, w = width_, h = height_;
  if (edges_ == kEdgeNone) {
    if (!moveable) return false;
    l += dx, t += dy;
  } else {
    if (edges_ & kEdgeLeft) l += dx, w -= dx;
    if (edges_ & kEdgeRight) w += dx;
    if (edges_ & kEdgeTop) t += dy, h -= dy;
    if (edges_ & kEdgeBottom) h += dy;
  }
  // A window is never narrower than nothing: an edge dragged past the other leaves an empty control.
  w = std::max(0LL, w), h = std::max(0LL, h);
  const int oldW = control_->width(), oldH = control_->height();
  control_->setBounds(l, t, w, h);
  return control_->width() != oldW || control_->height() != oldH;
}

void SnapToGrid::release() { control_ = nullptr; }

void SnapToGrid::reset() {
  hovered_ = nullptr;
  control_ = nullptr;
  edges_ = kEdgeNone;
}

}  // namespace tw
