#include "Preview.h"

#include <algorithm>
#include <optional>

#include "model/FormDocument.h"
#include "model/Family.h"
#include "model/PTDialog.h"
#include "PreviewValues.h"
#include "base/Text.h"

namespace tw {
using namespace pv;

namespace {

std::unique_ptr<Control> copyTree(const Control& c) {
  auto copy = c.cloneAlone();
  copy->selected = false;
  for (const auto& k : c.children()) copy->addChild(copyTree(*k));
  return copy;
}

// A copy of the form in the state the device starts it in: no dialog, menus and trigger lists
// closed, nothing selected.
std::unique_ptr<FormDocument> startCopy(const FormDocument& src) {
  auto f = std::make_unique<FormDocument>(src.library(), src.formName);
  const TCCForm& s = src.screen();
  TCCForm& screen = f->screen();
  screen.title = s.title;
  screen.style = s.style;
  screen.color = s.color;
  screen.font = s.font;
  screen.setBounds(s.left(), s.top(), s.width(), s.height());
  for (const auto& c : s.children()) f->add(copyTree(*c), &screen);
  for (const auto& c : src.windowChildren()) f->add(copyTree(*c), nullptr);
  f->forEachControl([](Control& c) {
    if (is(c, ClassId::PTDialog)) c.tag = 0, c.visible = false;
    if (is(c, ClassId::CCMenuBar) || is(c, ClassId::CCMenu)) setNum(c, "Test", 0), c.visible = false;
    if (is(c, ClassId::CCDropDown)) setNum(c, "TestItems", 0);
    if (is(c, ClassId::PTList) && num(c, "Style") == 1) c.visible = false;
  });
  return f;
}

size_t utf8Back(std::string_view s) {  // the length of s without its last character
  size_t n = s.size();
  while (n > 0 && (static_cast<unsigned char>(s[n - 1]) & 0xC0) == 0x80) --n;
  return n > 0 ? n - 1 : 0;
}
size_t utf8Chars(std::string_view s) {
  return size_t(std::count_if(s.begin(), s.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

// The face's round buttons: home at the upper left, the menu below it.
constexpr Point kHomeButton{14, 180}, kMenuButton{14, 208};
bool onButton(Point b, int x, int y) { return (x - b.x) * (x - b.x) + (y - b.y) * (y - b.y) <= 81; }

}  // namespace

Preview::Preview(const std::vector<const FormDocument*>& forms, std::string_view firstForm) {
  for (const FormDocument* f : forms)
    if (f) forms_.push_back(startCopy(*f));
  for (size_t i = forms_.size(); i-- > 0;)
    if (sameText(forms_[i]->formName, firstForm)) first_ = i;
  current_ = first_;
}

Preview::~Preview() = default;

std::string Preview::formName() const { return forms_.empty() ? std::string() : form().formName; }
std::string Preview::dialogName() const { return dialog_ ? dialog_->name() : std::string(); }

std::string Preview::editText(const Control& edit) const {
  auto it = edits_.find(const_cast<Control*>(&edit));
  return it != edits_.end() ? it->second : str(edit, textProp(edit));
}

Control* Preview::find(std::string_view name) const {
  if (dialog_ && dialog_->name() == name) return dialog_;
  if (dialog_)
    for (const auto& k : dialog_->children())
      if (k->name() == name) return k.get();
  if (forms_.empty()) return nullptr;
  if (Control* c = form().findComponent(name)) return c;
  for (const auto& f : forms_)
    if (Control* c = f->findComponent(name)) return c;
  return nullptr;
}

Point Preview::originOf(const Control& c) const {
  if (!c.parent()) return {c.left(), c.top()};
  Point p = originOf(*c.parent());
  return {p.x + c.left(), p.y + c.top()};
}

void Preview::closeAll() {
  pressed_ = nullptr;
  lastList_ = nullptr;
  focus_ = nullptr;
  if (openList_) {
    if (is(*openList_, ClassId::CCDropDown)) setNum(*openList_, "TestItems", 0);
    if (is(*openList_, ClassId::PTList)) openList_->visible = false;
    openList_ = nullptr;
  }
  closeMenuBar();
  dialog_ = nullptr;
}

void Preview::closeDialog() {
  if (focus_ && dialog_ && focus_->isWithin(dialog_)) focus_ = nullptr;
  dialog_ = nullptr;
}

void Preview::home() {
  if (forms_.empty()) return;
  closeAll();
  current_ = first_;
}

// A form's name switches to that form; a dialog's name shows the dialog over the current form,
// wherever it was designed, as the generated code calls it by name. A name of neither does nothing.
void Preview::show(std::string_view target) {
  if (namesNothing(target)) return;
  auto formIndex = [&](bool exact) -> std::optional<size_t> {
    for (size_t i = 0; i < forms_.size(); ++i)
      if (exact ? forms_[i]->formName == target : sameText(forms_[i]->formName, target)) return i;
    return std::nullopt;
  };
  std::optional<size_t> i = formIndex(true);
  if (!i) i = formIndex(false);
  if (i) {
    closeAll();
    current_ = *i;
    return;
  }
  Control* d = form().findComponent(target);
  for (size_t k = 0; !(d && is(*d, ClassId::PTDialog)) && k < forms_.size(); ++k) d = forms_[k]->findComponent(target);
  if (!d || !is(*d, ClassId::PTDialog)) return;
  Control* keepFocus = focus_ && focus_->isWithin(d) ? focus_ : nullptr;
  closeAll();
  dialog_ = d;
  focus_ = keepFocus;
}

void Preview::tap(int x, int y) {
  if (forms_.empty()) return;
  pressed_ = nullptr;
  if (onButton(kHomeButton, x, y)) return home();
  // A dialog is modal: the menu button opens no menus over it.
  if (onButton(kMenuButton, x, y)) return menuOpen_ ? closeMenuBar() : dialog_ ? void() : openMenuBar(nullptr);
  if (menuOpen_) return void(tapMenus(x, y));
  if (openList_) return void(tapOpen(x, y));
  Control& root = dialog_ ? *dialog_ : static_cast<Control&>(form().screen());
  const Point o = originOf(root);
  if (Control* c = hit(root, x - o.x, y - o.y)) return act(*c, x, y);
  // The form's title opens its menus.
  if (!dialog_ && y >= o.y && y - o.y < 13 && x >= o.x && x - o.x < root.width()) openMenuBar(nullptr);
}

Control* Preview::hit(Control& parent, int x, int y) const {
  const auto& kids = parent.children();
  for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
    Control& c = **it;
    if (!c.visible) continue;
    if (x >= c.left() && y >= c.top() && x - c.left() < c.width() && y - c.top() < c.paintedHeight()) return &c;
  }
  return nullptr;
}

void Preview::act(Control& c, int x, int y) {
  const Point o = originOf(c);
  const int rx = x - o.x;
  const std::vector<std::string> list = items(c);
  const long long count = static_cast<long long>(list.size());
  switch (c.classId()) {
    case ClassId::CCButton:
    case ClassId::PTButton:
      pressed_ = &c;
      break;
    case ClassId::CCSwitch:
    case ClassId::CCCheckbox:
    case ClassId::PTCheckbox: {
      // Check boxes and push buttons of one group number (other than 0) are exclusive: tapping one
      // sets it alone. A push button keeps its group number in its Tag.
      const bool push = is(c, ClassId::CCSwitch) && form().library() == kLibPToolbox;
      const long long group = push ? c.tag : is(c, ClassId::PTCheckbox) ? num(c, "GroupNumber") : 0;
      if (group == 0 || !c.parent()) {
        setNum(c, "State", num(c, "State") != 0 ? 0 : 1);
        break;
      }
      for (const auto& k : c.parent()->children())
        if (k->classId() == c.classId() && (push ? k->tag : num(*k, "GroupNumber")) == group) setNum(*k, "State", 0);
      setNum(c, "State", 1);
      break;
    }
    case ClassId::CCRadio:
      if (count > 0 && c.width() >= count) {
        const long long cell = c.width() / count;
        setNum(c, "SelectedItem", std::min(count - 1, rx / cell));
      }
      break;
    case ClassId::CCListBox:
    case ClassId::PTList:
      lastList_ = &c;
      if (const long long item = itemAt(c, x, y); item >= 0) setNum(c, "SelectedItem", item);
      break;
    case ClassId::CCDropDown:
      setNum(c, "TestItems", 1);
      openList_ = lastList_ = &c;
      break;
    case ClassId::CCPopUp:  // a pop-up list shown by its form takes one choice and goes
      lastList_ = &c;
      if (const long long item = itemAt(c, x, y); item >= 0) {
        setNum(c, "SelectedItem", item);
        setNum(c, "Test", 0);
      }
      break;
    case ClassId::PTPopTrigger:
      if (c.parent())
        for (const auto& k : c.parent()->children())
          if (is(*k, ClassId::PTList) && str(*k, "Trigger") == c.name()) {
            k->visible = true;
            openList_ = lastList_ = k.get();
            break;
          }
      break;
    case ClassId::CCEdit:
      focus_ = &c;
      break;
    case ClassId::PTEdit:
      if (num(c, "Editable") == 0) focus_ = &c;  // stored inverted: 0 is editable
      break;
    default:
      break;
  }
}

Preview::ListRows Preview::listRows(const Control& c) const {
  const bool pt = is(c, ClassId::PTList);
  const long long rows = pt ? num(c, "MaxItems") : num(c, "VisibleItems");
  const long long height = pt && rows > 0 ? (c.height() - 3) / rows : 11;
  auto it = tops_.find(const_cast<Control*>(&c));
  return {rows, height, it == tops_.end() ? 0 : it->second, static_cast<long long>(items(c).size())};
}

// The item under a point of a list; kNoItem off its rows. A tap on the down arrow, which shows while
// more items follow, scrolls a row instead (kArrow).
long long Preview::itemAt(Control& c, int x, int y) {
  const Point o = originOf(c);
  if (!inside(c, o, x, y)) return kNoItem;
  const ListRows r = listRows(c);
  const int rx = x - o.x, ry = y - o.y;
  if (r.count - r.top > r.rows && rx >= c.width() - 11 && ry >= c.paintedHeight() - 11) {
    scroll(c, 1);
    return kArrow;
  }
  const long long row = r.height > 0 && ry >= 1 ? (ry - 1) / r.height : -1;
  return row >= 0 && row < r.rows && r.top + row < r.count ? r.top + row : kNoItem;
}

void Preview::scroll(Control& c, long long rows) {
  const ListRows r = listRows(c);
  tops_[&c] = std::clamp<long long>(r.top + rows, 0, std::max<long long>(0, r.count - r.rows));
}

void Preview::scroll(int rows) {
  if (Control* c = openList_ ? openList_ : lastList_) scroll(*c, rows);
}

// An open list takes the tap: a row chooses it, its arrow scrolls it, anywhere else closes it unchanged.
bool Preview::tapOpen(int x, int y) {
  Control& c = *openList_;
  const std::vector<std::string> list = items(c);
  const bool pt = is(c, ClassId::PTList);
  const long long item = itemAt(c, x, y);
  if (item == kArrow) return false;
  const bool chosen = item >= 0;
  if (chosen) {
    const size_t row = size_t(item);
    setNum(c, "SelectedItem", item);
    if (pt)  // the trigger shows the choice
      if (Control* trigger = c.parent() ? c.parent() : nullptr)
        for (const auto& k : trigger->children())
          if (k->name() == str(c, "Trigger")) setStr(*k, "Text", list[row]);
  }
  if (pt) c.visible = false;
  else setNum(c, "TestItems", 0);
  openList_ = nullptr;
  return chosen;
}

void Preview::openMenuBar(Control* menu) {
  std::vector<Control*> menus;
  for (const auto& c : form().windowChildren())
    if (is(*c, ClassId::CCMenu)) menus.push_back(c.get());
  if (menus.empty()) return;
  if (!menu) menu = menus.front();
  for (const auto& c : form().windowChildren())
    if (is(*c, ClassId::CCMenuBar) || is(*c, ClassId::CCMenu)) {
      c->visible = true;
      setNum(*c, "Test", c.get() == menu || is(*c, ClassId::CCMenuBar) ? 1 : 0);
    }
  menuOpen_ = true;
}

void Preview::closeMenuBar() {
  if (!menuOpen_) return;
  for (const auto& c : form().windowChildren())
    if (is(*c, ClassId::CCMenuBar) || is(*c, ClassId::CCMenu)) {
      setNum(*c, "Test", 0);
      c->visible = false;
    }
  menuOpen_ = false;
}

// With the menu bar open, a tap chooses an item of the open menu, opens another menu by its topic,
// or closes the bar.
bool Preview::tapMenus(int x, int y) {
  for (const auto& c : form().windowChildren()) {
    if (!is(*c, ClassId::CCMenu) || num(*c, "Test") == 0) continue;
    const long long rx = x - c->left(), ry = y - c->top() - 14;
    const std::vector<std::string> list = items(*c);
    if (rx >= 0 && rx < num(*c, "UserWidth") && ry >= 0 && ry / 11 < static_cast<long long>(list.size())) {
      menuChoice_ = str(*c, "Topic") + "/" + list[size_t(ry / 11)];
      closeMenuBar();
      return true;
    }
  }
  for (const auto& c : form().windowChildren()) {
    if (!is(*c, ClassId::CCMenu)) continue;
    const int rx = x - c->left(), ry = y - c->top();
    if (rx >= 0 && rx <= num(*c, "TopicWidth") && ry >= 0 && ry < 14) {
      openMenuBar(c.get());
      return true;
    }
  }
  closeMenuBar();
  return false;
}

void Preview::release(int x, int y) {
  Control* c = pressed_;
  pressed_ = nullptr;
  if (!c || !inside(*c, originOf(*c), x, y)) return;
  const std::string target = str(*c, "ShowForm");
  // In a dialog a button that names nothing is its way out, as an OK button is.
  if (namesNothing(target) && dialog_ && c->isWithin(dialog_)) return closeDialog();
  // Naming the form under the dialog goes back to it.
  if (dialog_ && sameText(target, form().formName)) return closeDialog();
  show(target);
}

void Preview::key(std::string_view text) {
  if (!focus_) return;
  std::string& full = edits_.try_emplace(focus_, str(*focus_, textProp(*focus_))).first->second;
  const bool pt = is(*focus_, ClassId::PTEdit);
  const long long maxChars = pt ? num(*focus_, "MaxChars") : 0;
  const bool digitsOnly = pt && num(*focus_, "NumbersOnly") != 0;
  for (size_t i = 0; i < text.size();) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    size_t n = 1;
    if (b >= 0xC0)
      while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    const std::string_view ch = text.substr(i, n);
    i += n;
    if (ch == "\b") {
      full.resize(utf8Back(full));
      continue;
    }
    if (b < 0x20 || b == 0x7F || (b >= 0x80 && b < 0xC0)) continue;  // controls and stray bytes
    if (digitsOnly && !(b >= '0' && b <= '9')) continue;
    if (maxChars > 0 && utf8Chars(full) >= size_t(maxChars)) continue;
    full += ch;
  }
}

}  // namespace tw
