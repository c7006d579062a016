#include "History.h"

#include <unordered_map>
#include <vector>

#include "ControlStream.h"
#include "Designer.h"
#include "FormDocument.h"
#include "model/CCForm.h"
#include "model/PTDialog.h"

namespace tw {

// The saved state of a form. Its pointers point into its own copies.
struct FormState {
  std::string formName, title;
  int screenStyle = 0;
  std::vector<std::unique_ptr<Control>> screen, window;
  const Control* shownDialog = nullptr;
  const Control* lastSelected = nullptr;
  bool inspectedHere = false;         // the inspector showed this form or one of its controls
  const Control* inspected = nullptr;  // nullptr: the form itself
  std::string text;                    // stateText: what tells two states apart
};

namespace {

using CopyMap = std::unordered_map<const Control*, Control*>;

std::unique_ptr<Control> copyTree(const Control& c, CopyMap& map) {
  auto copy = c.cloneAlone();
  map[&c] = copy.get();
  for (const auto& k : c.children()) copy->addChild(copyTree(*k, map));
  return copy;
}

Control* lookup(const CopyMap& map, const Control* c) {
  auto it = c ? map.find(c) : map.end();
  return it == map.end() ? nullptr : it->second;
}

std::string stateText(const FormDocument& form);

std::shared_ptr<const FormState> capture(const Designer& d, const FormDocument& form) {
  auto s = std::make_shared<FormState>();
  s->text = stateText(form);
  CopyMap map;
  for (const auto& c : form.screen().children()) s->screen.push_back(copyTree(*c, map));
  for (const auto& c : form.windowChildren()) s->window.push_back(copyTree(*c, map));
  s->formName = form.formName;
  s->title = form.screen().title;
  s->screenStyle = form.screen().style;
  s->shownDialog = lookup(map, form.shownDialog);
  s->lastSelected = lookup(map, form.lastSelected);
  s->inspectedHere = d.selectedForm() == &form;
  if (s->inspectedHere) s->inspected = lookup(map, d.selectedControl());
  return s;
}

void restore(Designer& d, FormDocument& form, const FormState& s) {
  const bool inspectedHere = d.selectedForm() == &form;
  while (!form.screen().children().empty()) form.remove(form.screen().children().back().get());
  while (!form.windowChildren().empty()) form.remove(form.windowChildren().back().get());
  CopyMap map;
  for (const auto& c : s.screen) form.add(copyTree(*c, map), &form.screen());
  for (const auto& c : s.window) form.add(copyTree(*c, map), nullptr);
  form.formName = s.formName;
  form.screen().title = s.title;
  form.screen().style = s.screenStyle;
  form.shownDialog = static_cast<TPTDialog*>(lookup(map, s.shownDialog));
  form.lastSelected = lookup(map, s.lastSelected);
  // The inspector follows the restored form: what it showed then, else the form itself. The
  // designer's calls for that redraw the selection marks, so the saved marks are put back after.
  if (Control* c = s.inspectedHere ? lookup(map, s.inspected) : nullptr)
    d.showProperties(form, c);
  else if (s.inspectedHere || inspectedHere)
    d.presentForm(form);
  for (const auto& [saved, live] : map) {
    live->selected = saved->selected;
    live->selectColor = saved->selectColor;
  }
}

void stateOf(const Control& c, int depth, std::string& out) {
  // Every stored value but the selection marks: selecting alone is no design change.
  std::string payload = writeControlPayload(c, c.name());
  out += std::to_string(depth) + '\n';
  size_t start = 0;
  while (start < payload.size()) {
    size_t end = payload.find('\n', start);
    if (end == std::string::npos) end = payload.size();
    std::string_view line(payload.data() + start, end - start);
    if (line.substr(0, 9) != "Selected=" && line.substr(0, 12) != "SelectColor=") (out += line) += '\n';
    start = end + 1;
  }
  for (const auto& k : c.children()) stateOf(*k, depth + 1, out);
}

// What a step compares to see whether anything changed.
std::string stateText(const FormDocument& form) {
  std::string out = form.formName + '\n' + form.screen().title + '\n' + std::to_string(form.screen().style) + '\n';
  out += "Shown=" + (form.shownDialog ? form.shownDialog->name() : std::string()) + '\n';
  for (const auto& c : form.screen().children()) stateOf(*c, 1, out);
  out += "Window\n";
  for (const auto& c : form.windowChildren()) stateOf(*c, 1, out);
  return out;
}

}  // namespace

std::unique_ptr<Control> cloneControl(const Control& c) {
  CopyMap map;
  return copyTree(c, map);
}

History::History(size_t depth) : depth_(depth < 1 ? 1 : depth) {}
History::~History() = default;

void History::clear() {
  undo_.clear();
  redo_.clear();
  openDepth_ = 0;
  openBefore_.reset();
}

void beginStep(Designer& d, FormDocument& form, std::string name, std::string mergeKey) {
  History& h = form.history();
  if (h.openDepth_++ > 0) return;
  h.openName_ = std::move(name);
  h.openKey_ = std::move(mergeKey);
  h.openBefore_ = capture(d, form);
}

bool commitStep(Designer& d, FormDocument& form) {
  History& h = form.history();
  if (h.openDepth_ == 0 || --h.openDepth_ > 0) return false;
  auto before = std::move(h.openBefore_);
  if (!before || stateText(form) == before->text) return false;
  auto after = capture(d, form);
  if (!h.openKey_.empty() && h.redo_.empty() && !h.undo_.empty()) {
    HistoryStep& last = h.undo_.back();
    if (last.mergeKey == h.openKey_ && last.after->text == before->text) {
      last.after = std::move(after);
      // Typed back to what it was: no step is left.
      if (last.after->text == last.before->text) h.undo_.pop_back();
      return true;
    }
  }
  h.undo_.push_back({std::move(h.openName_), std::move(h.openKey_), std::move(before), std::move(after)});
  h.redo_.clear();
  while (h.undo_.size() > h.depth_) h.undo_.pop_front();
  return true;
}

void cancelStep(FormDocument& form) {
  History& h = form.history();
  if (h.openDepth_ == 0 || --h.openDepth_ > 0) return;
  h.openBefore_.reset();
}

bool undo(Designer& d, FormDocument& form) {
  History& h = form.history();
  if (h.openDepth_ > 0) {
    h.openDepth_ = 1;
    commitStep(d, form);
  }
  if (h.undo_.empty()) return false;
  HistoryStep step = std::move(h.undo_.back());
  h.undo_.pop_back();
  restore(d, form, *step.before);
  h.redo_.push_back(std::move(step));
  return true;
}

bool redo(Designer& d, FormDocument& form) {
  History& h = form.history();
  if (h.openDepth_ > 0) {
    h.openDepth_ = 1;
    commitStep(d, form);
  }
  if (h.redo_.empty()) return false;
  HistoryStep step = std::move(h.redo_.back());
  h.redo_.pop_back();
  restore(d, form, *step.after);
  h.undo_.push_back(std::move(step));
  return true;
}

}  // namespace tw
