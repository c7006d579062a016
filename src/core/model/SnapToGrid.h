#pragma once
// The mover of the design surface: it watches the mouse over the direct children of one window
// (a form's screen, or its shown dialog), finds the edges under the pointer, and moves or sizes the
// child that a press grabbed, live, snapping every change to the grid. It sets no limits: a control
// may be dragged partly or wholly beyond its parent, where the picture clips it.
#include <cstdint>

namespace tw {

class Control;

// The edges of a control that a drag sizes; none is a move.
enum Edge : unsigned { kEdgeNone = 0, kEdgeLeft = 1, kEdgeRight = 2, kEdgeTop = 4, kEdgeBottom = 8 };

// The pointer shape that a set of edges shows.
enum class SizeCursor : uint8_t { Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };
SizeCursor cursorFor(unsigned edges);

// The edges under (x, y) of a control w by h pixels: within 4 pixels of an edge, the half of the
// control deciding between left and right (and top and bottom). On a 40-pixel control x 0..3 is the
// left edge and 37..39 the right one.
unsigned edgesAt(int w, int h, int x, int y);

// A grid size as it is stored: below 1 it is 0, otherwise the largest power of two not above it
// (and within 16 bits).
int gridSizeFor(int requested);
// A change of position or size on the grid: change / grid rounded to the nearest integer, halves to
// the even neighbour, times grid. A grid of 0 or 1 leaves the change as it is.
int snapChange(int change, int grid);

// Whether (x, y) of a control's parent lies on the part of the control that paints.
bool hits(const Control& c, int x, int y);

class SnapToGrid {
 public:
  static constexpr int kEdgeWidth = 4;

  // The window whose direct children are moved and sized; nothing is watched without one.
  Control* window = nullptr;
  bool moveable = true;
  bool resizeable = true;

  int gridSize() const { return grid_; }
  void setGridSize(int v) { grid_ = gridSizeFor(v); }

  // The front-most shown direct child of the window under (x, y) of the window, or nullptr.
  Control* childAt(int x, int y) const;

  // The pointer over a child while no button is held, at (x, y) of the child: the edges that the next
  // drag sizes (none with Shift held, or when sizing is off). Returns them.
  unsigned hover(const Control& c, int x, int y, bool shift);
  // A button pressed on a child at (x, y) of the child; px, py is the pointer in any fixed frame
  // (the screen's, or the form window's), which later moves are measured in. A press that no hover
  // at that point came before takes the edges of the point first.
  void press(Control& c, int x, int y, int px, int py, bool shift);
  // The pointer moved to px, py while dragging: the control's new bounds, set at once. Ctrl skips
  // the snapping. Returns true when the control's width or height changed.
  bool drag(int px, int py, bool ctrl);
  // The button released: the drag ends.
  void release();

  bool dragging() const { return control_ != nullptr; }
  Control* control() const { return control_; }
  unsigned edges() const { return edges_; }
  // Forgets the hovered and the dragged control (before controls are destroyed).
  void reset();

 private:
  int grid_ = 4;
  unsigned edges_ = kEdgeNone;
  const Control* hovered_ = nullptr;
  int hoverX_ = 0, hoverY_ = 0;
  Control* control_ = nullptr;
  int pressX_ = 0, pressY_ = 0;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace tw
