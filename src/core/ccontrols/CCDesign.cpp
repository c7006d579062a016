// The CControls family's kinds for the designer: palette tools, names, starting values, inspector
// rows and alignment geometry, and the menu rules that are code of their own.
#include "CCBitmap.h"
#include "CCFamily.h"
#include "CCMenu.h"
#include "CCMenuBar.h"
#include "model/Designer.h"
#include "model/Sheet.h"

namespace tw {
namespace {

using P = Placeholder;
using Items = std::vector<std::string>;

const WordList kLine{{{"White", 0}, {"Black", 1}, {"Gray", 2}}};
const WordList kStyle{{{"Plain", 0}, {"Underlined", 1}, {"Boxed", 2}}};
const WordList kAlignment{{{"Left", 0}, {"Center", 2}, {"Right", 1}}};  // the panel's alignment codes
const WordList kState{{{"True", 1}, {"False", 0}}, "False", true, 0};
// The drop-down's and the pop-up's preview: anything but "No" turns it on.
const WordList kPreview{{{"No", 0}, {"Yes", 1}}, "Yes", true, 1};
const WordList kClickable{{{"Yes", 1}, {"No", 0}}, "No", true, 0};
// The menu bar's and the menu's preview: other words change nothing.
const WordList kMenuTest{{{"No", 0}, {"Yes", 1}}, "Yes"};

RowDef text(const char* row, const char* prop) { return {row, prop, Conv::Text}; }
RowDef number(const char* row, const char* prop, int shift = 0, int max = 0) {
  return {row, prop, Conv::Number, nullptr, shift, max};
}
RowDef words(const char* row, const char* prop, const WordList& w) { return {row, prop, Conv::Words, &w}; }
const RowDef kFont{"Font", "Font", Conv::Font};
const RowDef kName{"Name", "Name", Conv::Name};
const RowDef kItems{"Items", "Items", Conv::Items};
// Kinds with a handheld rectangle show and set it in their geometry rows.
const RowDef kULeft = number("Left", "UserLeft"), kUTop = number("Top", "UserTop");
const RowDef kUWidth = number("Width", "UserWidth"), kUHeight = number("Height", "UserHeight");
const RowDef kPLeft = number("Left", "Left"), kPTop = number("Top", "Top");
const RowDef kPWidth = number("Width", "Width"), kPHeight = number("Height", "Height");

const Items kOneTwoThree = {"One", "Two", "Three"};

DesignTables makeTables() {
  DesignTables t;
  t.duplicateNameText = "Duplicate name";
  // Kinds in the order the palette is examined.
  t.kinds = {
      {"Button", ClassId::CCButton, Tool::Button, "Button", "Button", false,
       {{"ShowForm", "(None)"}, {"UserLeft", P::X}, {"UserTop", P::Y}},
       {text("Content", "Content"), number("Edge", "Radius"), kFont, kUHeight, kULeft, words("Line", "Line", kLine),
        kName, text("ShowForm", "ShowForm"), kUTop, kUWidth}},
      {"Label", ClassId::CCLabel, Tool::Label, "Label", "Label", false,
       {{"Content", P::OwnName}, {"Line", 0LL}, {"Style", 0LL}, {"Left", P::X}, {"Top", P::Y}},
       {words("Alignment", "Alignment", kAlignment), text("Content", "Content"), kFont, kULeft,
        words("Line", "Line", kLine), kName, words("Style", "Style", kStyle), kUTop, kUWidth}},
      {"CheckBox", ClassId::CCCheckbox, Tool::CheckBox, "CheckBox", "CheckBox", false,
       {{"Content", P::OwnName}, {"Left", P::X}, {"Top", P::Y}},
       {text("Content", "Content"), kFont, kULeft, kName, words("State", "State", kState), kUTop, kPWidth}},
      {"Switch", ClassId::CCSwitch, Tool::Switch, "Switch", "Switch", false,
       {{"Width", 38LL}, {"Radius", 0LL}, {"Left", P::X}, {"Top", P::Y}},
       {text("Content", "Content"), number("Edge", "Radius"), kFont, kUHeight, kULeft, words("Line", "Line", kLine),
        kName, words("State", "State", kState), kUTop, kUWidth}},
      {"Edit", ClassId::CCEdit, Tool::Edit, "Edit", "Edit", false,
       {{"Content", P::OwnName}, {"Topic", "Topic"}, {"Tag", 0LL}, {"Left", P::X}, {"Top", P::Y}},
       {words("Alignment", "Alignment", kAlignment), text("Content", "Content"), kULeft,
        words("Line", "Line", kLine), kName, words("Style", "Style", kStyle), kUTop, text("Topic", "Topic"),
        kUWidth}},
      {"ListBox", ClassId::CCListBox, Tool::ListBox, "ListBox", "ListBox", false,
       {{"VisibleItems", 2LL}, {"Items", kOneTwoThree}, {"Left", P::X}, {"Top", P::Y}},
       {kItems, kULeft, kName, number("SelectedItem", "SelectedItem"), kUTop,
        number("VisibleItems", "VisibleItems"), kUWidth}},
      {"Radio", ClassId::CCRadio, Tool::Radio, "Radio", "Radio", false,
       {{"Items", Items{"A", "B", "C"}}, {"SelectedItem", 0LL}, {"Left", P::X}, {"Top", P::Y}},
       {kUHeight, kItems, kULeft, kName, number("SelectedItem", "SelectedItem"), kUTop, kUWidth}},
      {"DropDown", ClassId::CCDropDown, Tool::DropDown, "DropDown", "DropDown", false,
       {{"VisibleItems", 2LL},
        {"Items", kOneTwoThree},
        {"SelectedItem", 1LL},
        {"TestItems", 0LL},
        {"UserWidth", 36LL},
        {"Left", P::X},
        {"Top", P::Y}},
       {kItems, kULeft, kName, number("SelectedItem", "SelectedItem"), words("TestItems", "TestItems", kPreview),
        kUTop, number("VisibleItems", "VisibleItems"), kUWidth}},
      {"Menu", ClassId::CCMenu, Tool::Menu, "Menu", nullptr, true,
       {{"Items", Items{"Item1"}}, {"TopicWidth", 36LL}, {"UserWidth", 38LL}},
       // A menu's position is counted from the screen's left edge, 4 pixels into the form window.
       {kItems, number("Left", "UserLeft", -4), kName, {"Test", "Test", Conv::Special, &kMenuTest},
        text("Topic", "Topic"), number("TopicWidth", "TopicWidth"), number("Width", "UserWidth")}},
      {"Dialog", ClassId::PTDialog, Tool::Dialog, "Dialog", "Dialog", false,
       {{"UserTop", 60LL}, {"UserLeft", 5LL}, {"UserHeight", 80LL}, {"UserWidth", 152LL}, {"Tag", 1LL}},
       {text("Content", "Title"), kPHeight, kPLeft, kName, {"Test", "Tag", Conv::DialogTest}, kPTop, kPWidth}},
      {"EditLine", ClassId::CCEdit, Tool::EditLine, "EditLine", "EditLine", false,
       {{"Content", P::OwnName}, {"Tag", 1LL}, {"Left", P::X}, {"Top", P::Y}},
       {text("Content", "Content"), kULeft, words("Line", "Line", kLine), kName, words("Style", "Style", kStyle),
        kUTop, kUWidth}},
      {"PopUp", ClassId::CCPopUp, Tool::PopUp, "PopUp", "PopUp", false,
       {{"VisibleItems", 2LL}, {"Items", kOneTwoThree}, {"Test", 1LL}, {"Left", P::X}, {"Top", P::Y}},
       {kItems, kULeft, kName, number("SelectedItem", "SelectedItem"), words("Test", "Test", kPreview), kUTop,
        number("VisibleItems", "VisibleItems"), kUWidth}},
      {"Image", ClassId::CCBitmap, Tool::Bitmap, "Image", "Image", false,
       {{"StringBits", ""}, {"Tag", 1LL}, {"Width", 20LL}, {"Height", 20LL}, {"Left", P::X}, {"Top", P::Y}},
       {{"Bitmap", "StringBits", Conv::Bitmap}, words("Clickable", "Tag", kClickable),
        number("Height", "Height", 0, kMaxBitmapSide), kPLeft, kName, kPTop,
        number("Width", "Width", 0, kMaxBitmapSide)}, "Image"},
      {"MenuBar", ClassId::CCMenuBar, Tool::None, "MenuBar", nullptr, true, {},
       {kName, {"Test", "Test", Conv::Special, &kMenuTest}}},
  };
  // Align and same size: which rectangle each class aligns by.
  const G U = G::U, Pn = G::P, N = G::None;
  t.align = {
      {ClassId::CCButton, U, U, U, U, U, U, U, U},
      {ClassId::CCSwitch, U, U, U, U, U, U, U, U},
      {ClassId::CCRadio, U, U, U, U, U, U, U, U},
      {ClassId::CCCheckbox, U, Pn, N, Pn, Pn, U, Pn, U},
      {ClassId::CCListBox, U, U, N, U, U, U, Pn, U},
      {ClassId::CCLabel, U, U, N, U, U, U, Pn, U},
      {ClassId::CCEdit, U, U, N, U, U, U, Pn, U},
      {ClassId::CCPopUp, U, U, N, U, U, U, Pn, U},
      {ClassId::CCDropDown, U, U, N, U, U, U, Pn, Pn},
      {ClassId::PTDialog, Pn, Pn, Pn, Pn, Pn, Pn, Pn, Pn},
      {ClassId::CCBitmap, Pn, Pn, Pn, Pn, Pn, Pn, Pn, Pn},
  };
  return t;
}

// After a menu's preview is turned on: every menu bar shows, every other menu's preview is off
// (it stays visible).
void showMenus(FormDocument& form, const Control& menu) {
  for (const auto& c : form.windowChildren()) {
    if (c->classId() == ClassId::CCMenuBar) as<TCCMenuBar>(*c).setTest(1);
    if (c->classId() == ClassId::CCMenu && c.get() != &menu) as<TCCMenu>(*c).setTest(0);
  }
}

// After the menu bar's preview is turned off: every menu is hidden.
void hideMenus(FormDocument& form) {
  for (const auto& c : form.windowChildren())
    if (c->classId() == ClassId::CCMenu) {
      c->visible = false;
      as<TCCMenu>(*c).setTest(0);
    }
}

}  // namespace

const DesignTables& CControlsFamily::design() const {
  static const DesignTables tables = makeTables();
  return tables;
}

std::string CControlsFamily::kindWord(const Control& c) const { return ccKind(c); }

Control* CControlsFamily::createSpecial(Designer& d, FormDocument& form, const KindRow& kind) const {
  if (kind.cls != ClassId::CCMenu) return nullptr;
  const TCCForm& screen = form.screen();
  bool hasBar = false;
  for (const auto& c : form.windowChildren()) hasBar |= c->classId() == ClassId::CCMenuBar;
  if (!hasBar) {
    // The menu bar is named after the form, not from the counter.
    auto bar = std::make_unique<TCCMenuBar>();
    bar->color = d.designColour;
    bar->setLeft(screen.left());
    bar->setTop(screen.top());
    std::string name = "MenuBar" + form.formName;
    if (!form.nameError(name, nullptr).empty()) {
      d.messages.error(design().duplicateNameText);
      return nullptr;
    }
    bar->setNameUnchecked(name);
    form.add(std::move(bar), nullptr);
  }
  auto menu = std::make_unique<TCCMenu>();
  menu->color = d.designColour;
  Control* placed = d.adopt(form, std::move(menu), kind.base, nullptr, design().duplicateNameText);
  if (!placed) return nullptr;
  placed->setTop(screen.top());
  placed->setUserLeft(screen.left());
  applyStart(*placed, kind.start, 0, 0);
  showMenus(form, *placed);
  return placed;
}

std::string CControlsFamily::specialText(const FormDocument&, const Control& c, const RowDef& row) const {
  int test = 0;
  if (c.classId() == ClassId::CCMenu) test = as<TCCMenu>(c).test();
  if (c.classId() == ClassId::CCMenuBar) test = as<TCCMenuBar>(c).test();
  for (const Word& w : row.words->words)
    if (w.value == test) return w.text;
  return row.words->otherText;
}

void CControlsFamily::setSpecial(Designer&, FormDocument& form, Control& c, const RowDef& row,
                                 const std::string& text) const {
  const Word* word = nullptr;
  for (const Word& w : row.words->words)
    if (text == w.text) word = &w;
  if (!word) return;
  if (c.classId() == ClassId::CCMenuBar) {
    as<TCCMenuBar>(c).setTest(word->value);
    if (word->value == 0) hideMenus(form);
  } else if (c.classId() == ClassId::CCMenu) {
    as<TCCMenu>(c).setTest(word->value);
    if (word->value != 0) showMenus(form, c);
  }
}

std::optional<std::vector<std::string>> CControlsFamily::choices(const FormDocument*, const Control& c,
                                                                 std::string_view row) const {
  if (row != "Style") return std::nullopt;
  if (c.classId() == ClassId::CCEdit || c.classId() == ClassId::CCLabel)
    return std::vector<std::string>{"Plain", "Underlined", "Boxed"};
  return std::vector<std::string>{};
}

}  // namespace tw
