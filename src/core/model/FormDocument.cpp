#include "FormDocument.h"

#include <algorithm>

#include "History.h"
#include "graphics/TextMetrics.h"
#include "ini/IniFile.h"
#include "model/PTDialog.h"

namespace tw {
namespace {

// Components of the form window itself: their names are taken on every form.
constexpr const char* kWindowComponents[] = {"imgPalm", "panScreen", "popMenu",   "sthControls",
                                             "sthLoad", "snap",      "snapDialog"};

}  // namespace

bool isValidIdent(std::string_view name) {
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (name.empty() || !alpha(name[0])) return false;
  for (char c : name)
    if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

FormDocument::FormDocument(int library, std::string name)
    : formName(std::move(name)),
      library_(library),
      screen_(std::make_unique<TCCForm>()),
      history_(std::make_unique<History>()) {
  screen_->title = formName;
}

FormDocument::~FormDocument() = default;

Control* FormDocument::add(std::unique_ptr<Control> c, Control* parent) {
  if (!parent) {
    window_.push_back(std::move(c));
    return window_.back().get();
  }
  return parent->addChild(std::move(c));
}

std::unique_ptr<Control> FormDocument::remove(Control* c) {
  if (!c) return nullptr;
  if (shownDialog && shownDialog->isWithin(c)) shownDialog = nullptr;
  if (lastSelected && lastSelected->isWithin(c)) lastSelected = nullptr;
  if (Control* p = c->parent()) return p->takeChild(c);
  for (size_t i = 0; i < window_.size(); ++i)
    if (window_[i].get() == c) {
      auto owned = std::move(window_[i]);
      window_.erase(window_.begin() + long(i));
      return owned;
    }
  return nullptr;
}

void FormDocument::moveWindowChild(const Control* c, size_t index) {
  for (size_t i = 0; i < window_.size(); ++i)
    if (window_[i].get() == c) {
      auto owned = std::move(window_[i]);
      window_.erase(window_.begin() + long(i));
      index = std::min(index, window_.size());
      window_.insert(window_.begin() + long(index), std::move(owned));
      return;
    }
}

int FormDocument::controlCount() const {
  int n = 0;
  forEachControl([&](const Control&) { ++n; });
  return n;
}

namespace {

std::string invalidNameText(std::string_view name) {
  return "'" + std::string(name) + "' is not a valid component name";
}
std::string takenNameText(std::string_view name) { return "A component named " + std::string(name) + " already exists"; }

// A control's record is the form file's section of its name, and sections are found without regard
// to case: a control named "Form" would write over the file's own header.
bool validComponentName(std::string_view name) { return isValidIdent(name) && !sameText(name, "FORM"); }

}  // namespace

std::string FormDocument::nameError(std::string_view name, const Control* self) const {
  if (!validComponentName(name)) return invalidNameText(name);
  bool taken = false;
  for (const char* w : kWindowComponents) taken |= sameText(w, name);
  if (!taken) {
    const Control* other = findComponent(name);
    taken = other && other != self;
  }
  return taken ? takenNameText(name) : std::string();
}

std::string FormDocument::nameErrorAmong(std::string_view name, const std::unordered_set<std::string>& taken) {
  if (!validComponentName(name)) return invalidNameText(name);
  return taken.count(lowerAscii(name)) ? takenNameText(name) : std::string();
}

std::unordered_set<std::string> FormDocument::takenNames() const {
  std::unordered_set<std::string> out;
  for (const char* w : kWindowComponents) out.insert(lowerAscii(w));
  forEachControl([&](const Control& c) { out.insert(lowerAscii(c.name())); });
  return out;
}

bool FormDocument::rename(Control& c, std::string_view name, std::string* error) {
  std::string why = nameError(name, &c);
  if (!why.empty()) {
    if (error) *error = why;
    return false;
  }
  c.setNameUnchecked(std::string(name));
  return true;
}

Control* FormDocument::findComponent(std::string_view name) const {
  Control* found = nullptr;
  forEachControl([&](Control& c) {
    if (!found && sameText(c.name(), name)) found = &c;
  });
  return found;
}

Control* FormDocument::findParent(std::string_view name) {
  if (name == "panScreen") return screen_.get();
  for (const auto& c : screen_->children())
    if (c->isContainer() && c->name() == name) return c.get();
  return screen_.get();
}

void FormDocument::applyPaintRules(const TextMetrics& m) {
  forEachControl([&](Control& c) {
    if (c.shown()) c.beforePaint(m);
  });
}

}  // namespace tw
