// The design surface's mover: edge zones and cursors, the grid, live moving and sizing, hit-testing.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "DesignSession.h"
#include "model/SnapToGrid.h"

namespace tw {

TEST(SnapToGrid, EdgeZonesAndCursors) {
  // A 40 x 20 control: the left zone is x 0..3, the right zone 37..39.
  std::string row;
  for (int x = 0; x < 40; ++x) {
    unsigned e = edgesAt(40, 20, x, 10);
    row += e == kEdgeLeft ? 'L' : e == kEdgeRight ? 'R' : e == kEdgeNone ? '.' : '?';
  }
  EXPECT_EQ(row, "LLLL" + std::string(33, '.') + "RRR");
  EXPECT_EQ(edgesAt(40, 20, 0, 0), kEdgeLeft | kEdgeTop);
  EXPECT_EQ(edgesAt(40, 20, 39, 19), kEdgeRight | kEdgeBottom);
  EXPECT_EQ(edgesAt(40, 20, 20, 16), kEdgeNone);
  EXPECT_EQ(edgesAt(40, 20, 20, 17), kEdgeBottom);
  // A control narrower than two zones: the half decides.
  EXPECT_EQ(edgesAt(5, 5, 3, 3), kEdgeRight | kEdgeBottom);
  EXPECT_EQ(edgesAt(5, 5, 2, 2), kEdgeLeft | kEdgeTop);

  const std::pair<unsigned, SizeCursor> cursors[] = {
      {kEdgeLeft | kEdgeTop, SizeCursor::SizeNWSE}, {kEdgeRight | kEdgeBottom, SizeCursor::SizeNWSE},
      {kEdgeRight | kEdgeTop, SizeCursor::SizeNESW}, {kEdgeLeft | kEdgeBottom, SizeCursor::SizeNESW},
      {kEdgeLeft, SizeCursor::SizeWE}, {kEdgeRight, SizeCursor::SizeWE},
      {kEdgeTop, SizeCursor::SizeNS}, {kEdgeBottom, SizeCursor::SizeNS}, {kEdgeNone, SizeCursor::Arrow}};
  for (auto [edges, cursor] : cursors) EXPECT_EQ(cursorFor(edges), cursor) << edges;
}

TEST(SnapToGrid, GridSizeAndSnapping) {
  for (auto [asked, size] : {std::pair{5, 4}, {8, 8}, {1, 1}, {0, 0}, {-3, 0}, {100000, 16384}})
    EXPECT_EQ(gridSizeFor(asked), size) << asked;
  SnapToGrid s;
  EXPECT_EQ(s.gridSize(), 4);

  // Halves go to the even multiple, in both directions.
  const int changes[] = {1, 2, 3, 5, 6, 10, -1, -2, -3, -6, -10};
  const int snapped[] = {0, 0, 4, 4, 8, 8, 0, 0, -4, -8, -8};
  for (size_t i = 0; i < std::size(changes); ++i) EXPECT_EQ(snapChange(changes[i], 4), snapped[i]) << changes[i];
  // Grid 1 (every form) and grid 0 leave the change alone.
  EXPECT_EQ(snapChange(7, 1), 7);
  EXPECT_EQ(snapChange(-7, 0), -7);
}

TEST(SnapToGrid, MovingAndSizing) {
  FormSession s(kLibPToolbox);
  Control* c = s.place(Tool::GSI, 0, 0);
  SnapToGrid snap;
  EXPECT_EQ(snap.childAt(1, 1), nullptr);  // no window watched
  snap.window = &s.form().screen();
  struct Move {
    int dx, dy;
    bool ctrl;
  };
  // A control at 20,30 40x20: hovered at one point, pressed at another, moved (each move counts from
  // the press), and where it is then. A press takes the edges of its own point, not the hover's; grid
  // 4 snaps each change and Ctrl passes it as it is; the parent's edges do not limit, but an edge
  // dragged past the other leaves an empty control.
  struct Case {
    int grid, hx, hy, px, py;
    std::vector<Move> moves;
    std::array<int, 4> bounds;
  } cases[] = {
      {1, 20, 10, 39, 19, {{9, 9, false}, {3, 4, false}}, {20, 30, 43, 24}},
      {4, 20, 10, 20, 10, {{6, 2, false}}, {28, 30, 40, 20}},
      {4, 20, 10, 20, 10, {{6, 2, false}, {6, 2, true}}, {26, 32, 40, 20}},
      {1, 20, 10, 20, 10, {{-100, 500, false}}, {-80, 530, 40, 20}},
      {1, 39, 10, 39, 10, {{-60, 0, false}}, {20, 30, 0, 20}},
  };
  for (const Case& k : cases) {
    c->setBounds(20, 30, 40, 20);
    snap.setGridSize(k.grid);
    snap.hover(*c, k.hx, k.hy, false);
    snap.press(*c, k.px, k.py, 0, 0, false);
    for (const Move& m : k.moves) {  // true exactly when the size changed
      const auto size = std::pair(c->width(), c->height());
      const bool sized = snap.drag(m.dx, m.dy, m.ctrl);
      EXPECT_EQ(sized, std::pair(c->width(), c->height()) != size);
    }
    EXPECT_EQ((std::array{c->left(), c->top(), c->width(), c->height()}), k.bounds) << k.px << "," << k.py;
    snap.release();
    EXPECT_FALSE(snap.dragging());
    EXPECT_FALSE(snap.drag(0, 0, false));
  }

  // Sizing off: the edges are a move; moving off: a drag inside does nothing.
  snap.setGridSize(1);
  c->setBounds(20, 30, 40, 20);
  snap.resizeable = false;
  EXPECT_EQ(snap.hover(*c, 0, 0, false), kEdgeNone);
  snap.resizeable = true;
  snap.moveable = false;
  snap.hover(*c, 20, 10, false);
  snap.press(*c, 20, 10, 0, 0, false);
  EXPECT_FALSE(snap.drag(10, 10, false));
  EXPECT_EQ(c->left(), 20);
  snap.release();
}

}  // namespace tw
