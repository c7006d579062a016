#include "Designer.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "ItemLines.h"

#include "Alignment.h"
#include "ControlStream.h"
#include "Landing.h"
#include "Sheet.h"
#include "model/PTDialog.h"

namespace tw {

bool isDialog(const Control* c) { return c && c->classId() == ClassId::PTDialog; }

void markSelected(Control& c, bool selected, bool secondary) {
  c.selected = selected;
  if (isDialog(&c)) return;
  if (isDialog(c.parent()))
    c.selectColor = secondary ? kSelectMaroon : kSelectRed;
  else
    c.selectColor = secondary ? kSelectNavy : kSelectBlue;
}

bool valorOK(std::string_view row, std::string_view text) {
  if (!text.empty() && text != "-") return true;
  std::string_view list = kNumericRows;
  while (!list.empty()) {
    size_t comma = list.find(',');
    if (list.substr(0, comma) == row) return false;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return true;
}

Designer::Designer(Messages& m, int lib) : messages(m), library(lib) {}

// ---- Form documents

FormDocument& Designer::newForm(std::string name) {
  if (name.empty()) name = "Form" + std::to_string(++formCounter);
  forms_.push_back(std::make_unique<FormDocument>(library, std::move(name)));
  FormDocument& form = *forms_.back();
  current_ = &form;
  presentForm(form);
  return form;
}

FormDocument& Designer::addForm(std::unique_ptr<FormDocument> form) {
  forms_.push_back(std::move(form));
  activate(*forms_.back());
  return *forms_.back();
}

void Designer::closeAll() {
  current_ = selForm_ = nullptr;
  selControl_ = nullptr;
  forms_.clear();
}

void Designer::hideForm(FormDocument& form) {
  form.visible = false;
  if (current_ == &form) current_ = nullptr;
  if (selForm_ == &form) selForm_ = nullptr, selControl_ = nullptr;
}

void Designer::activate(FormDocument& form) {
  current_ = &form;
  if (form.lastSelected)
    showProperties(form, form.lastSelected);
  else
    presentForm(form);
}

void Designer::presentForm(FormDocument& form) {
  deselectAll(form);
  current_ = &form;
  selForm_ = &form;
  selControl_ = nullptr;
}

void Designer::showProperties(FormDocument& form, Control* c) {
  if (!c) return presentForm(form);
  selForm_ = &form;
  selControl_ = c;
}

// ---- Naming and control lists

namespace {

// The number that `name` gives after `base` as std::to_string writes it, with no leading zero, or
// nothing: only such a name can equal a generated one. (A name has no minus sign.)
std::optional<long long> numberAfter(std::string_view name, std::string_view base) {
  if (name.size() <= base.size() || name.substr(0, base.size()) != base) return std::nullopt;
  const std::string_view digits = name.substr(base.size());
  if (digits.size() > 10 || (digits.front() == '0' && digits.size() > 1)) return std::nullopt;
  long long n = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return std::nullopt;
    n = n * 10 + (ch - '0');
  }
  return n;
}

}  // namespace

std::string Designer::uniqueName(std::string_view base, const FormDocument& form) {
  // One pass marks which of the next numbers the screen's controls and those in its dialogs already
  // carry; there are more of those numbers than controls, so one is free. Trying the numbers one by
  // one against every name would cost a form read with Label1 to Label40000 a scan per number.
  for (;;) {
    const long long first = controlCounter + 1LL;
    const size_t span = size_t(std::min<long long>(form.controlCount() + 1LL, INT_MAX - first + 1));
    std::vector<bool> taken(span);
    auto mark = [&](const Control& c) {
      if (auto n = numberAfter(c.name(), base); n && *n >= first && *n - first < (long long)span)
        taken[size_t(*n - first)] = true;
    };
    for (const auto& c : form.screen().children()) {
      mark(*c);
      if (isDialog(c.get()))
        for (const auto& k : c->children()) mark(*k);
    }
    const size_t free = size_t(std::find(taken.begin(), taken.end(), false) - taken.begin());
    if (free < span) {
      controlCounter = int(first + (long long)free);
      return std::string(base) + std::to_string(controlCounter);
    }
    controlCounter = 0;  // past the last number the count starts again at 1, as for the names of a file read
  }
}

std::vector<ListEntry> Designer::controlList(const FormDocument& form) const {
  std::vector<ListEntry> list;
  const Family* fam = familyFor(form.library());
  if (!fam) return list;
  auto entry = [&](Control& c) { list.push_back({c.name() + ": " + fam->kindWord(c), &c}); };
  for (const auto& c : form.screen().children()) {
    if (isDialog(c.get()))
      for (const auto& k : c->children()) entry(*k);
    entry(*c);
  }
  list.push_back({form.formName + ": Form", nullptr});
  for (const auto& c : form.windowChildren()) entry(*c);
  return list;
}

// ---- Placing

Control* Designer::adopt(FormDocument& form, std::unique_ptr<Control> c, std::string_view base, Control* parent,
                         const std::string& msg) {
  std::string name = uniqueName(base, form);
  if (std::string why = form.nameError(name, nullptr); !why.empty()) {
    messages.error(msg.empty() ? why : msg);
    return nullptr;  // the control is dropped: it was never wired into the form
  }
  c->setNameUnchecked(std::move(name));
  return form.add(std::move(c), parent);
}

Control* Designer::create(FormDocument& form, const KindRow& kind, int x, int y, Control* target) {
  auto c = createControl(kind.cls);
  const bool dialog = c->isContainer();
  Control* parent = &form.screen();
  if (!dialog && isDialog(target) && target->parent() == &form.screen()) parent = target;
  if (dialog && form.shownDialog) hideDialog(form, *form.shownDialog);
  c->color = designColour;
  Control* placed = adopt(form, std::move(c), kind.base, parent, familyFor(form.library())->design().duplicateNameText);
  if (!placed) return nullptr;
  applyStart(*placed, kind.start, x, y);
  if (dialog) showDialog(form, as<TPTDialog>(*placed));
  return placed;
}

bool Designer::place(FormDocument& form, int x, int y, Control* target) {
  const Family* fam = familyFor(form.library());
  if (!fam) return false;
  if (!target) target = &form.screen();
  current_ = &form;
  Control* made = nullptr;
  if (const KindRow* kind = fam->kindFor(tool)) {
    deselectAll(form);
    tool = Tool::None;
    made = kind->special ? fam->createSpecial(*this, form, *kind) : create(form, *kind, x, y, target);
  }
  if (made) {
    showProperties(form, made);
    showSelection(false);
    return true;
  }
  if (target == &form.screen())
    presentForm(form);
  else
    showSelection(false);
  return false;
}

void Designer::showDialog(FormDocument& form, TPTDialog& dialog) {
  if (form.shownDialog && form.shownDialog != &dialog) hideDialog(form, *form.shownDialog);
  dialog.tag = 1;
  dialog.visible = true;
  form.shownDialog = &dialog;
  if (Control* p = dialog.parent()) p->moveChild(&dialog, p->children().size());
}

void Designer::hideDialog(FormDocument& form, TPTDialog& dialog) {
  dialog.tag = 0;
  dialog.visible = false;
  dialog.selected = false;
  if (form.shownDialog == &dialog) form.shownDialog = nullptr;
}

// ---- Selection, stacking, delete

void Designer::select(FormDocument& form, Control& c, bool extending) {
  current_ = &form;
  form.lastSelected = &c;
  showProperties(form, &c);
  showSelection(extending);
}

void Designer::pressControl(FormDocument& form, Control& c, bool rightOnly, bool shiftLeft) {
  form.lastSelected = &c;
  if (!rightOnly) select(form, c, shiftLeft);
}

void Designer::releaseControl(FormDocument& form, Control& c, bool rightOnly, const TextMetrics& metrics) {
  c.endResize(metrics);
  if (rightOnly) return;
  if (c.onFormWindow()) {
    activate(form);
    deselectAll(form);
  }
  showProperties(form, &c);
}

void Designer::pressScreen(FormDocument& form) {
  form.lastSelected = nullptr;
  activate(form);
}

void Designer::deselectAll(FormDocument& form) {
  for (const auto& c : form.screen().children()) {
    markSelected(*c, false, false);
    if (isDialog(c.get()))
      for (const auto& k : c->children()) markSelected(*k, false, false);
  }
  // Menus lie on the form window; their marks go with everyone else's.
  for (const auto& c : form.windowChildren()) markSelected(*c, false, false);
}

void Designer::showSelection(bool keepOthers) {
  if (!current_) return;
  if (!keepOthers) deselectAll(*current_);
  if (selForm_ != current_) return;
  if (selControl_ && selControl_->marksWhenSelected()) markSelected(*selControl_, true, keepOthers);
  current_->lastSelected = selControl_;
}

void Designer::align(FormDocument& form, AlignKind kind) {
  if (const Family* fam = familyFor(form.library())) alignSelected(*fam, form, kind);
}

void Designer::bringToFront() {
  if (!selControl_ || !selForm_) return;
  if (Control* p = selControl_->parent())
    p->moveChild(selControl_, p->children().size());
  else
    selForm_->moveWindowChild(selControl_, selForm_->windowChildren().size());
}

void Designer::sendToBack() {
  if (!selControl_ || !selForm_) return;
  if (Control* p = selControl_->parent())
    p->moveChild(selControl_, 0);
  else
    selForm_->moveWindowChild(selControl_, 0);
}

void Designer::forget(const Control* c) {
  if (selControl_ && selControl_->isWithin(c)) selControl_ = nullptr;
  for (const auto& f : forms_)
    if (f->lastSelected && f->lastSelected->isWithin(c)) f->lastSelected = nullptr;
}

void Designer::deleteSelected() {
  if (!selForm_) return;
  FormDocument& form = *selForm_;
  const std::vector<Control*> doomed = selection(form);
  if (doomed.empty()) return;
  for (Control* c : doomed) {
    forget(c);
    form.remove(c);  // a dialog takes its children; the shown dialog is forgotten with it
  }
  form.lastSelected = nullptr;
  presentForm(form);
}

// ---- The inspector

std::vector<PropertyRow> Designer::propertyRows() {
  std::vector<PropertyRow> rows;
  if (!selForm_) return rows;
  if (!selControl_) {
    rows.push_back({"Name", selForm_->formName});
    rows.push_back({"Title", selForm_->screen().title});
    return rows;
  }
  const Family* fam = familyFor(selForm_->library());
  const KindRow* kind = fam ? fam->kindOf(*selControl_) : nullptr;
  if (!kind) return rows;
  for (const RowDef& r : kind->rows) rows.push_back({r.row, rowText(*this, *selForm_, *selControl_, *fam, r)});
  return rows;
}

const RowDef* Designer::rowDef(std::string_view row) const {
  if (!selForm_ || !selControl_) return nullptr;
  const Family* fam = familyFor(selForm_->library());
  const KindRow* kind = fam ? fam->kindOf(*selControl_) : nullptr;
  if (!kind) return nullptr;
  for (const RowDef& r : kind->rows)
    if (row == r.row) return &r;
  return nullptr;
}

std::string Designer::valueText(std::string_view row) {
  if (formInspected()) return row == "Name" ? selForm_->formName : row == "Title" ? selForm_->screen().title : "";
  const RowDef* r = rowDef(row);
  return r ? rowText(*this, *selForm_, *selControl_, *familyFor(selForm_->library()), *r) : std::string();
}

bool Designer::setValue(std::string_view row, const std::string& text) {
  if (!selForm_) return false;
  FormDocument& form = *selForm_;
  if (!selControl_) {
    if (row != "Name" && row != "Title") return false;
    if (std::string why = textError(text); !why.empty()) {
      messages.error(why);
      return false;
    }
    if (row == "Title") {
      form.screen().title = text;
    } else {
      // A form file without a name does not open again: an empty name is not taken.
      if (text.empty()) {
        messages.error("A form must have a name");
        return false;
      }
      form.formName = text;
    }
    return true;
  }
  const RowDef* r = rowDef(row);
  return r && setRow(*this, form, *selControl_, *familyFor(form.library()), *r, text);
}

bool Designer::applyTyped(std::string_view row, const std::string& text) {
  return valorOK(row, text) && setValue(row, text);
}

std::vector<std::string> Designer::choices(std::string_view row) const {
  using L = std::vector<std::string>;
  struct Choice {
    const char* row;
    L words;
  };
  static const std::vector<Choice> fixed = {
      {"Font", {"Standard", "Bold", "Large"}},
      {"Frame", {"Standard", "Bold", "Square", "No Frame"}},
      {"Type", {"Standard", "Repeat"}},
      {"Alignment", {"Left", "Center", "Right"}},
      {"Align", {"Left", "Right"}},
      {"State", {"False", "True"}},
      {"SingleLine", {"False", "True"}},
      {"NumbersOnly", {"False", "True"}},
      {"Test", {"No", "Yes"}},
      {"TestItems", {"No", "Yes"}},
      {"Clickable", {"No", "Yes"}},
      {"Line", {"White", "Black", "Gray"}},
      {"Underline", {"True", "False"}},
      {"Editable", {"True", "False"}},
      {"Justification", {"Left", "Right"}},
  };
  for (const auto& c : fixed)
    if (row == c.row) return c.words;
  const Control* sel = selControl_;
  if (sel && selForm_)
    if (const Family* fam = familyFor(selForm_->library()))
      if (auto words = fam->choices(current_, *sel, row)) return *words;
  if (row == "ShowForm") {
    L out = {"(None)"};
    const bool inDialog = sel && isDialog(sel->parent());
    for (const auto& f : forms_) {
      if (!f->visible) continue;
      const bool ownScreen = sel && sel->parent() == &f->screen();
      if (!ownScreen) out.push_back(f->formName);
      if (!inDialog)
        for (const auto& c : f->screen().children())
          if (isDialog(c.get())) out.push_back(c->name());
    }
    return out;
  }
  return {};
}

std::optional<std::vector<std::string>> Designer::items() const {
  if (!selControl_) return std::nullopt;
  const PropInfo* p = selControl_->property("Items");
  if (!p) return std::nullopt;
  return std::get<std::vector<std::string>>(p->get(*selControl_));
}

bool Designer::setItems(const std::vector<std::string>& list) {
  if (!selControl_) return false;
  const PropInfo* p = selControl_->property("Items");
  if (!p) return false;
  if (auto refused = refusedItem(list)) {
    messages.error(refused->why);
    return false;
  }
  p->set(*selControl_, PropValue(list));  // through the setter: a menu's height follows
  return true;
}

}  // namespace tw
