#pragma once
// The one mapping between a form view's widget points and handheld pixels. Each handheld pixel is
// a square of `scale` widget pixels with its top-left corner at (x * scale, y * scale); every
// gesture on the view (a press, a move, a band) turns its points into handheld pixels here.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <cmath>

namespace tw::ui {

struct PixelScale {
  int scale = 1;

  // The handheld pixel under a widget point. Points left of or above the view (a drag that leaves
  // it) fall on pixels below 0, one whole pixel per `scale` widget pixels, as inside.
  QPoint toHandheld(QPointF p) const {
    return {int(std::floor(p.x() / scale)), int(std::floor(p.y() / scale))};
  }
  // The widget point at the top-left corner of a handheld pixel, and a handheld rectangle's blocks.
  QPoint toWidget(QPoint h) const { return h * scale; }
  QRect toWidget(const QRect& h) const { return {h.topLeft() * scale, h.size() * scale}; }
};

}  // namespace tw::ui
