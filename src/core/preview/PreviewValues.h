#pragma once
// How the preview reads and sets the values of its copies: through their published properties, so that it
// serves both families without knowing their classes.
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"
#include "model/Control.h"

namespace tw::pv {

inline long long num(const Control& c, const char* prop) {
  const PropInfo* p = c.property(prop);
  if (!p) return 0;
  const PropValue v = p->get(c);
  return std::holds_alternative<long long>(v) ? std::get<long long>(v) : 0;
}
inline std::string str(const Control& c, const char* prop) {
  const PropInfo* p = c.property(prop);
  if (!p) return {};
  const PropValue v = p->get(c);
  return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : std::string();
}
inline std::vector<std::string> items(const Control& c) {
  const PropInfo* p = c.property("Items");
  if (!p) return {};
  const PropValue v = p->get(c);
  using List = std::vector<std::string>;
  return std::holds_alternative<List>(v) ? std::get<List>(v) : List();
}
inline void setNum(Control& c, const char* prop, long long v) {
  if (const PropInfo* p = c.property(prop)) p->set(c, PropValue(v));
}
inline void setStr(Control& c, const char* prop, std::string v) {
  if (const PropInfo* p = c.property(prop)) p->set(c, PropValue(std::move(v)));
}

inline bool is(const Control& c, ClassId id) { return c.classId() == id; }
inline const char* textProp(const Control& c) { return is(c, ClassId::PTEdit) ? "Text" : "Content"; }
inline bool namesNothing(std::string_view target) { return target.empty() || target == "(None)"; }
// The point inside the control drawn at o.
inline bool inside(const Control& c, Point o, int x, int y) {
  return x >= o.x && y >= o.y && x - o.x < c.width() && y - o.y < c.paintedHeight();
}

}  // namespace tw::pv
