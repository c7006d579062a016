#include "Alignment.h"

#include <optional>

#include "Family.h"
#include "FormDocument.h"

namespace tw {
namespace {

enum class Side : uint8_t { Left, Top, Width, Height };

std::optional<int> get(const Control& c, Side s, G g) {
  if (g == G::None) return std::nullopt;
  const bool u = g == G::U;
  switch (s) {
    case Side::Left: return u ? c.userLeft() : c.left();
    case Side::Top: return u ? c.userTop() : c.top();
    case Side::Width: return u ? c.userWidth() : c.width();
    case Side::Height: return u ? c.userHeight() : c.height();
  }
  return std::nullopt;
}

void set(Control& c, Side s, G g, long long v) {
  const bool u = g == G::U;
  switch (s) {
    case Side::Left: u ? c.setUserLeft(v) : c.setLeft(v); break;
    case Side::Top: u ? c.setUserTop(v) : c.setTop(v); break;
    case Side::Width: u ? c.setUserWidth(v) : c.setWidth(v); break;
    case Side::Height: u ? c.setUserHeight(v) : c.setHeight(v); break;
  }
}

// Copies one value: the reference's read with its geometry, the target's written with its own.
void copyValue(const Control& ref, G refG, Control& target, G targetG, Side s) {
  auto v = get(ref, s, refG);
  if (v && targetG != G::None) set(target, s, targetG, *v);
}

// Puts the target's far edge (right or bottom) where the reference's is.
void copyFarEdge(const Control& ref, G refPos, G refSize, Control& target, G pos, G size, Side posSide,
                 Side sizeSide) {
  auto rp = get(ref, posSide, refPos), rs = get(ref, sizeSide, refSize);
  auto ts = get(target, sizeSide, size);
  if (!rp || !rs || !ts || pos == G::None) return;
  set(target, posSide, pos, (long long)*rp + *rs - *ts);
}

void apply(const AlignGeom& r, const Control& ref, const AlignGeom& t, Control& target, AlignKind kind) {
  switch (kind) {
    case AlignKind::Left: copyValue(ref, r.pos, target, t.pos, Side::Left); break;
    case AlignKind::Top: copyValue(ref, r.topAsReference, target, t.pos, Side::Top); break;
    case AlignKind::Width: copyValue(ref, r.width, target, t.width, Side::Width); break;
    case AlignKind::Height: copyValue(ref, r.height, target, t.height, Side::Height); break;
    case AlignKind::Right:
      copyFarEdge(ref, r.rightLeft, r.rightWidth, target, t.rightLeft, t.rightWidth, Side::Left, Side::Width);
      break;
    case AlignKind::Bottom:
      copyFarEdge(ref, r.bottomTop, r.bottomHeight, target, t.bottomTop, t.bottomHeight, Side::Top, Side::Height);
      break;
  }
}

}  // namespace

const char* alignKindName(AlignKind k) {
  static const char* names[] = {"Left", "Right", "Top", "Bottom", "Width", "Height"};
  return names[int(k)];
}

Control* alignReference(FormDocument& form) {
  for (const auto& c : form.screen().children()) {
    if (c->selected && c->selectColor == kSelectBlue) return c.get();
    if (c->classId() == ClassId::PTDialog)
      for (const auto& k : c->children())
        if (k->selected && k->selectColor == kSelectRed) return k.get();
  }
  return nullptr;
}

void alignSelected(const Family& fam, FormDocument& form, AlignKind kind) {
  Control* ref = alignReference(form);
  if (!ref) return;
  const AlignGeom* r = fam.alignOf(ref->classId());
  if (!r) return;
  for (const auto& t : ref->parent()->children()) {
    if (!t->selected || t.get() == ref) continue;
    if (const AlignGeom* g = fam.alignOf(t->classId())) apply(*r, *ref, *g, *t, kind);
  }
}

}  // namespace tw
