// The preview's picture: the form as the designer draws it, with what the device adds over it (an edit's
// caret and scrolled text, a held button, a scrolled list, what is open on top).
#include <algorithm>

#include "model/FormDocument.h"
#include "model/FormPicture.h"
#include "Preview.h"
#include "PreviewValues.h"
#include "graphics/Fonts.h"

namespace tw {

using namespace pv;

namespace {

size_t nextChar(std::string_view s, size_t i) {
  for (++i; i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;) ++i;
  return i;
}

// Where the lines of a multi-line field begin, wrapped as the field wraps them: each line is the
// longest part that fits, cut at its last blank; a word wider than the field ends the text shown.
std::vector<size_t> lineStarts(std::string_view text, const Control& field, const FontSet& fonts) {
  std::vector<size_t> starts{0};
  for (;;) {
    const size_t at = starts.back();
    size_t pos = at, lastBlank = std::string_view::npos;
    long long width = 0;
    while (pos < text.size()) {
      const size_t next = nextChar(text, pos);
      width += fonts.textWidth(field.font, text.substr(pos, next - pos));
      if (width > field.width()) break;
      if (text[pos] == ' ') lastBlank = pos;
      pos = next;
    }
    if (pos >= text.size() || lastBlank == std::string_view::npos) return starts;
    starts.push_back(lastBlank + 1);
  }
}

int fieldLines(const Control& field, const FontSet& fonts) {
  const int lh = fonts.textHeight(field.font, "A");
  return lh > 0 ? std::max(1, field.height() / lh) : 1;
}

}  // namespace

// An edit shows the end of a text wider than its box: it scrolls as the user types, a multi-line
// field by whole lines.
void Preview::showEditText(Control& edit, const FontSet& fonts) {
  std::string_view text = edits_[&edit];
  const bool pt = is(edit, ClassId::PTEdit);
  if (pt && num(edit, "SingleLine") == 0) {
    const std::vector<size_t> starts = lineStarts(text, edit, fonts);
    const size_t lines = size_t(fieldLines(edit, fonts));
    if (starts.size() > lines) text.remove_prefix(starts[starts.size() - lines]);
  } else {
    const int room = pt ? edit.width() : edit.width() - 4;
    // Widths add up character by character: measuring back from the end costs only what is shown,
    // however long the text has grown.
    size_t start = text.size();
    long long width = 0;
    while (start > 0) {
      size_t prev = start - 1;
      while (prev > 0 && (static_cast<unsigned char>(text[prev]) & 0xC0) == 0x80) --prev;
      width += fonts.textWidth(edit.font, text.substr(prev, start - prev));
      if (width > room) break;
      start = prev;
    }
    text.remove_prefix(start);
  }
  setStr(edit, textProp(edit), std::string(text));
}

void Preview::drawOnTop(Canvas& out, Control& c, const FontSet& fonts) const {
  const Canvas::State saved = out.state();
  const Point p = c.parent() ? originOf(*c.parent()) : Point{};
  out.resetClip();
  out.setOrigin(p);
  drawControlTree(out, c, fonts);
  out.restore(saved);
}

// The caret stands after the text, where the edit's alignment puts its end.
void Preview::drawCaret(Canvas& out, const FontSet& fonts) const {
  if (!focus_) return;
  const Control& e = *focus_;
  std::string text = str(e, textProp(e));
  const bool pt = is(e, ClassId::PTEdit);
  int y = 0;
  if (pt && num(e, "SingleLine") == 0) {
    const std::vector<size_t> starts = lineStarts(text, e, fonts);
    y = int(starts.size() - 1) * fonts.textHeight(e.font, "A");
    text.erase(0, starts.back());
  }
  const int tw = fonts.textWidth(e.font, text), th = std::max(1, fonts.textHeight(e.font, text));
  int x = 0;
  if (pt) {
    x = num(e, "Justification") == 0 ? tw : e.width() - 1;
  } else {
    x = e.alignment == Alignment::Center ? (e.width() - tw) / 2 + tw
        : e.alignment == Alignment::Right ? e.width() - 2 : 2 + tw;
    y = (e.height() - th) / 2;
  }
  x = std::clamp(x, 0, std::max(0, e.width() - 1));
  const Point o = originOf(e);
  const Canvas::State saved = out.state();
  out.resetClip();
  out.setOrigin({0, 0});
  out.fillRect({o.x + x, o.y + y, o.x + x + 1, o.y + y + th}, kBlack);
  out.restore(saved);
}

void Preview::drawPressed(Canvas& out, const Control& b, const FontSet& fonts) const {
  if (is(b, ClassId::CCButton)) {
    // A held button looks like a switch that is on: the same shape, inverted.
    auto on = createControl(ClassId::CCSwitch);
    if (!on) return;
    on->font = b.font;
    on->color = b.color;
    on->setBounds(b.left(), b.top(), b.width(), b.height());
    setStr(*on, "Content", str(b, "Content"));
    setNum(*on, "Line", num(b, "Line"));
    setNum(*on, "Radius", num(b, "Radius"));
    setNum(*on, "State", 1);
    const Canvas::State saved = out.state();
    out.resetClip();
    out.setOrigin(b.parent() ? originOf(*b.parent()) : Point{});
    drawControlTree(out, *on, fonts);
    out.restore(saved);
    return;
  }
  // Any other button: ink and paper swap inside its frame, row by row between the frame's sides (all
  // of the inside for a button drawn without a frame).
  const Point o = originOf(b);
  const uint32_t ink = rgbOf(kBlack), paper = rgbOf(b.color);
  const bool framed = num(b, "Frame") != 3;
  for (int y = std::max(0, o.y + 2); y < std::min(out.height(), o.y + b.height() - 2); ++y) {
    int l = std::max(0, o.x + (framed ? 0 : 2)), r = std::min(out.width(), o.x + b.width() - (framed ? 0 : 2)) - 1;
    auto isInk = [&](int x) { return out.at(x, y) == ink; };
    if (framed) {
      while (l <= r && !isInk(l)) ++l;
      while (l <= r && isInk(l)) ++l;
      while (r >= l && !isInk(r)) --r;
      while (r >= l && isInk(r)) --r;
    }
    for (int x = l; x <= r; ++x) {
      uint32_t& px = out.data()[size_t(y) * size_t(out.width()) + size_t(x)];
      px = px == ink ? paper : ink;
    }
  }
}

void Preview::paint(Canvas& out, const FontSet& fonts) {
  if (forms_.empty()) {
    const Canvas& face = handheldFace();
    out.resize(face.width(), face.height());
    out.draw(0, 0, face);
    return;
  }
  for (auto& [edit, text] : edits_) showEditText(*edit, fonts);
  // A scrolled list shows its items from the first in sight: the painters draw from the first item, so
  // for the picture the copy holds only those from there on.
  struct Saved {
    Control* list;
    std::vector<std::string> items;
    long long selected;
  };
  std::vector<Saved> saved;
  for (auto& [c, top] : tops_) {
    if (top <= 0 || (is(*c, ClassId::CCDropDown) && num(*c, "TestItems") == 0)) continue;
    Saved s{c, items(*c), num(*c, "SelectedItem")};
    std::vector<std::string> rest(s.items.begin() + std::min<long long>(top, s.items.size()), s.items.end());
    if (const PropInfo* p = c->property("Items")) p->set(*c, PropValue(std::move(rest)));
    setNum(*c, "SelectedItem", s.selected >= top ? s.selected - top : -1);
    saved.push_back(std::move(s));
  }
  drawFormPicture(out, form(), fonts);
  if (dialog_) {
    dialog_->visible = true;
    dialog_->tag = 1;
    drawOnTop(out, *dialog_, fonts);
    dialog_->visible = false;
    dialog_->tag = 0;
  }
  if (openList_) drawOnTop(out, *openList_, fonts);
  for (Saved& s : saved) {
    if (const PropInfo* p = s.list->property("Items")) p->set(*s.list, PropValue(std::move(s.items)));
    setNum(*s.list, "SelectedItem", s.selected);
  }
  if (pressed_) drawPressed(out, *pressed_, fonts);
  drawCaret(out, fonts);
}

}  // namespace tw
