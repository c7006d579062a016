// The designer's control clipboard: copy, cut and paste of the selection as text.
#include "Designer.h"

#include <algorithm>

#include "ControlStream.h"
#include "Landing.h"
#include "model/PTDialog.h"

namespace tw {

namespace {
bool clipboardable(const Control* c) {
  return c && !c->onFormWindow();
}
}  // namespace

std::optional<std::string> Designer::copy() {
  if (!selForm_) return std::nullopt;
  // The copy carries the name "Copiado", which no control keeps, so it can be pasted where it came from.
  std::string payload;
  for (const Control* c : selection(*selForm_))
    if (clipboardable(c)) payload += writeControlPayload(*c, "Copiado");
  if (payload.empty()) return std::nullopt;
  return payload;
}

std::optional<std::string> Designer::cut() {
  if (!selForm_) return std::nullopt;
  // What cannot go to the clipboard is not cut either: a cut never only deletes.
  std::string payload;
  for (const Control* c : selection(*selForm_)) {
    if (!clipboardable(c)) return std::nullopt;
    payload += writeControlPayload(*c, c->name());
  }
  if (payload.empty()) return std::nullopt;
  deleteSelected();
  return payload;
}

bool Designer::paste(std::string_view payload) {
  FormDocument* form = current_;
  const Family* fam = form ? familyFor(form->library()) : nullptr;
  if (!fam) return false;
  std::string why;
  auto streamed = readControlsPayload(payload, &why);
  if (!streamed) {
    messages.error("Nothing was pasted: " + why);
    return false;
  }
  // Every control is checked before the first is placed: a paste is whole or nothing.
  for (const StreamedControl& s : *streamed) {
    const KindRow* kind = fam->kindOf(*s.control);
    if (!kind || !kind->pasteBase) {
      messages.error(std::string("A ") + s.control->className() + " cannot be pasted into a form of the " +
                     fam->name() + " library");
      return false;
    }
    // The control is read under its streamed name first, which the form must not hold already.
    if (!s.name.empty())
      if (why = form->nameError(s.name, nullptr); !why.empty()) {
        messages.error(why);
        return false;
      }
  }
  Control* dialogTarget = selForm_ == form && isDialog(selControl_) && selControl_->parent() == &form->screen()
                              ? selControl_
                              : nullptr;
  std::vector<Control*> placed;
  for (StreamedControl& s : *streamed) {
    const bool dialog = s.control->isContainer();
    Control* parent = !dialog && dialogTarget ? dialogTarget : &form->screen();
    const KindRow* kind = fam->kindOf(*s.control);
    Control* c = adopt(*form, std::move(s.control), kind->pasteBase, parent, "");
    if (!c) break;
    if (dialog) {
      // Only one dialog is shown on a screen: a pasted shown dialog takes the place of the one shown.
      auto& d = as<TPTDialog>(*c);
      if (d.tag == 1)
        showDialog(*form, d);
      else
        hideDialog(*form, d);
    }
    placed.push_back(c);
  }
  if (placed.empty()) return false;
  // The form windows move controls pixel by pixel: a grid of 1, so copies step off by the least step.
  stepOffTwins(placed, 1);
  showProperties(*form, placed.front());
  showSelection(false);
  if (placed.size() > 1) markAll(*form, placed, false);
  return placed.size() == streamed->size();
}

}  // namespace tw
