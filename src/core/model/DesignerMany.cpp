// The designer's commands on several controls at once: the selection, the band, Select All, nudging.
#include "Designer.h"

#include <algorithm>

#include "ControlStream.h"
#include "Landing.h"
#include "model/PTDialog.h"

namespace tw {

std::vector<Control*> Designer::selection(const FormDocument& form) const {
  Control* inspected = selForm_ == &form ? selControl_ : nullptr;
  if (inspected && !inspected->selected) return {inspected};
  std::vector<Control*> out;
  if (inspected) out.push_back(inspected);
  auto take = [&](Control& c) {
    if (c.selected && &c != inspected) out.push_back(&c);
  };
  for (const auto& c : form.screen().children()) {
    take(*c);
    if (isDialog(c.get()))
      for (const auto& k : c->children()) take(*k);
  }
  // What lies inside a selected dialog goes with it, and is never acted on twice.
  std::erase_if(out, [&](const Control* c) {
    for (const Control* other : out)
      if (other != c && c->isWithin(other)) return true;
    return false;
  });
  return out;
}

void Designer::markAll(FormDocument& form, const std::vector<Control*>& controls, bool extending) {
  current_ = &form;
  const bool keepPrimary = extending && selForm_ == &form && selControl_ && selControl_->selected;
  if (!extending) deselectAll(form);
  if (controls.empty()) return;
  Control* primary = keepPrimary ? selControl_ : controls.front();
  for (Control* c : controls)
    if (c != primary) markSelected(*c, true, true);
  if (!keepPrimary) {
    markSelected(*primary, true, false);
    showProperties(form, primary);
  }
  form.lastSelected = primary;
}

void Designer::selectAll(FormDocument& form) {
  std::vector<Control*> all;
  for (const auto& c : form.screen().children()) {
    if (!c->visible) continue;
    if (!isDialog(c.get())) all.push_back(c.get());
    else if (c.get() == form.shownDialog)
      for (const auto& k : c->children())
        if (k->visible) all.push_back(k.get());
  }
  markAll(form, all, false);
  if (all.empty()) presentForm(form);
}

int Designer::selectInBand(FormDocument& form, Control& window, int x0, int y0, int x1, int y1, bool extending) {
  const int left = std::min(x0, x1), right = std::max(x0, x1), top = std::min(y0, y1), bottom = std::max(y0, y1);
  std::vector<Control*> caught;
  for (const auto& c : window.children()) {
    if (!c->visible || isDialog(c.get())) continue;
    const bool touches = c->left() <= right && c->left() + c->width() >= left && c->top() <= bottom &&
                         c->top() + c->height() >= top;
    if (touches) caught.push_back(c.get());
  }
  markAll(form, caught, extending);
  if (caught.empty() && !extending) presentForm(form);
  return int(caught.size());
}

bool Designer::nudge(FormDocument& form, int dx, int dy, bool size, const TextMetrics& metrics) {
  bool any = false;
  for (Control* c : selection(form)) {
    if (c->onFormWindow()) continue;
    if (size) {
      c->setBounds(c->left(), c->top(), std::max(0LL, (long long)c->width() + dx),
                   std::max(0LL, (long long)c->height() + dy));
      c->endResize(metrics);
    } else {
      c->setBounds((long long)c->left() + dx, (long long)c->top() + dy, c->width(), c->height());
    }
    any = true;
  }
  return any;
}

std::string nudgeKey(const std::vector<Control*>& selection, bool size) {
  std::string key = size ? "size" : "move";
  for (const Control* c : selection) key += ' ' + c->name();
  return key;
}

}  // namespace tw
