#pragma once
// Painting single widgets in tests, and reading their pixels back as text pictures.
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "graphics/Canvas.h"
#include "graphics/Fonts.h"
#include "model/Control.h"
#include "model/WidgetPaint.h"

namespace tw::testpaint {

inline const FontSet& fonts() {
  static FontSet* f = [] {
    auto* set = new FontSet;
    set->load(TW_DATA_DIR);
    return set;
  }();
  return *f;
}

// The control's paint-time rules, then its paint on a canvas of its own size (paper white, as the
// design colour is).
inline Canvas paintAlone(Control& c) {
  if (c.color == kConstructorColour) c.color = kWhite;
  c.beforePaint(fonts());
  Canvas cv(std::max(c.width(), 0), std::max(c.height(), 0), 0x00FF00);  // green shows what the paint left
  paintControl(cv, c, fonts());
  return cv;
}

// A property's value as scripts show it: numbers, 'texts', true or false, items joined by ", ".
inline std::string valueText(const PropValue& v) {
  if (auto* n = std::get_if<long long>(&v)) return std::to_string(*n);
  if (auto* s = std::get_if<std::string>(&v)) return "'" + *s + "'";
  if (auto* b = std::get_if<bool>(&v)) return *b ? "true" : "false";
  if (auto* f = std::get_if<Font>(&v)) return fontToText(*f);
  std::string all;
  for (const auto& i : std::get<std::vector<std::string>>(v)) all += (all.empty() ? "" : ", ") + i;
  return all;
}

// Rows of a rectangle of the canvas as text: '#' black, '.' white, 'o' any other colour; rows end in '\n'.
inline std::string art(const Canvas& cv, int x0, int y0, int x1, int y1) {
  std::string s;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      uint32_t p = cv.at(x, y);
      s += p == 0 ? '#' : p == 0xFFFFFF ? '.' : 'o';
    }
    s += '\n';
  }
  return s;
}
inline std::string art(const Canvas& cv) { return art(cv, 0, 0, cv.width(), cv.height()); }

// A picture as art() draws it, expected to be the block NAME of tests/data/golden/pictures.txt.
inline void expectPicture(const std::string& name, const std::string& actual) {
  EXPECT_EQ(actual, goldenBlock("pictures.txt", name, actual)) << name;
}

inline bool isBlack(const Canvas& cv, int x, int y) { return cv.at(x, y) == 0; }
inline bool isWhite(const Canvas& cv, int x, int y) { return cv.at(x, y) == 0xFFFFFF; }
// Black pixels inside a rectangle (right and bottom exclusive).
inline int blackIn(const Canvas& cv, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += cv.at(x, y) == 0;
  return n;
}

}  // namespace tw::testpaint
