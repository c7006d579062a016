// The PToolboxLib family's kinds for the designer: palette tools, names, starting values,
// inspector rows and alignment geometry, and the selector trigger's alignment move.
#include "PTFamily.h"
#include "model/BitmapGrid.h"
#include "model/Designer.h"

namespace tw {
namespace {

using P = Placeholder;
using Items = std::vector<std::string>;

const WordList kFrame{{{"Standard", 0}, {"Bold", 1}, {"Square", 2}, {"No Frame", 3}}};
const WordList kType{{{"Standard", 0}, {"Repeat", 1}}, "Repeat", true, 1};
const WordList kState{{{"True", 1}, {"False", 0}}, "False", true, 0};
const WordList kListStyle{{{"Stand-alone", 0}, {"Pop-triggered", 1}, {"Popup-list", 2}}};
// Flags stored as 1 for yes.
const WordList kYesIsOne{{{"False", 0}, {"True", 1}}, "True", true, 0};
// Flags stored inverted: 0 means yes.
const WordList kYesIsZero{{{"True", 0}, {"False", 1}}, "False", true, 1};
const WordList kJustification{{{"Left", 0}, {"Right", 1}}, "Right", true, 1};
// The selector trigger's alignment (panel codes: left 0, right 1; centre shows nothing).
const WordList kAlign{{{"Left", 0}, {"Right", 1}}};

RowDef text(const char* row, const char* prop) { return {row, prop, Conv::Text}; }
RowDef number(const char* row, const char* prop, int max = 0) { return {row, prop, Conv::Number, nullptr, 0, max}; }
RowDef words(const char* row, const char* prop, const WordList& w) { return {row, prop, Conv::Words, &w}; }
const RowDef kFont{"Font", "Font", Conv::Font};
const RowDef kName{"Name", "Name", Conv::Name};
const RowDef kULeft = number("Left", "UserLeft"), kUTop = number("Top", "UserTop");
const RowDef kUWidth = number("Width", "UserWidth"), kUHeight = number("Height", "UserHeight");
const RowDef kPLeft = number("Left", "Left"), kPTop = number("Top", "Top");
const RowDef kPWidth = number("Width", "Width"), kPHeight = number("Height", "Height");
const RowDef kState1 = words("State", "State", kState);

DesignTables makeTables() {
  DesignTables t;
  t.duplicateNameText = "Duplicate contol name";
  t.kinds = {
      {"Button", ClassId::PTButton, Tool::Button, "Button", "Button", false,
       {{"UserTop", P::Y}, {"UserLeft", P::X}, {"UserHeight", 13LL}, {"UserWidth", 42LL}, {"ShowForm", "(None)"}},
       {kFont, words("Frame", "Frame", kFrame), kUHeight, kULeft, kName, text("ShowForm", "ShowForm"),
        text("Text", "Text"), kUTop, words("Type", "ButtonType", kType), kUWidth}},
      {"Select", ClassId::CCButton, Tool::Select, "Select", "Select", false,
       {{"Content", P::OwnName},
        {"UserTop", P::Y},
        {"UserLeft", P::X},
        {"UserHeight", 13LL},
        {"UserWidth", 34LL},
        {"Radius", 0LL},
        {"Line", 2LL},
        {"Alignment", 0LL},
        {"Tag", 3LL},
        {"ShowForm", "(None)"}},
       {{"Align", "Alignment", Conv::Special, &kAlign}, kFont, kUHeight, kULeft, kName, text("Text", "Content"),
        kUTop}},
      {"Label", ClassId::PTLabel, Tool::Label, "Label", "Label", false,
       {{"Content", P::OwnName}, {"Top", P::Y}, {"Left", P::X}},
       {kFont, kPLeft, kName, text("Text", "Content"), kPTop}},
      {"CheckBox", ClassId::PTCheckbox, Tool::CheckBox, "CheckBox", "CheckBox", false,
       {{"Content", P::OwnName}, {"Top", P::Y}, {"Left", P::X}, {"Height", 15LL}, {"GroupNumber", 0LL}},
       {kFont, number("GroupNumber", "GroupNumber"), kPHeight, kULeft, kName, kState1, text("Text", "Content"),
        kUTop, kPWidth}},
      {"Push", ClassId::CCSwitch, Tool::Push, "Push", "Push", false,
       {{"Content", P::OwnName}, {"Top", P::Y}, {"Left", P::X}, {"UserHeight", 13LL}, {"Tag", 0LL}},
       {kFont, number("GroupNumber", "Tag"), kUHeight, kULeft, kName, kState1, text("Text", "Content"), kUTop,
        kUWidth}},
      {"List", ClassId::PTList, Tool::ListBox, "List", "List", false,
       {{"MaxItems", 2LL}, {"Items", Items{"One", "Two", "Three"}}, {"Trigger", "(None)"}, {"Top", P::Y},
        {"Left", P::X}},
       {kFont, {"Items", "Items", Conv::Items}, kULeft, number("MaxItems", "MaxItems"), kName,
        number("SelectedItem", "SelectedItem"), words("Style", "Style", kListStyle), kUTop,
        text("Trigger", "Trigger"), kUWidth}, "List"},
      {"PopTrigger", ClassId::PTPopTrigger, Tool::Pop, "Pop", "PopTrigger", false,
       {{"Top", P::Y}, {"Left", P::X}, {"Height", 15LL}},
       {kFont, kPHeight, kPLeft, kName, text("Text", "Text"), kPTop, kPWidth}},
      {"Field", ClassId::PTEdit, Tool::Edit, "Field", "Field", false,
       {{"Text", "Field"}, {"Top", P::Y}, {"Left", P::X}, {"MaxChars", 20LL}},
       {words("Editable", "Editable", kYesIsZero), kFont, kPHeight, words("Justification", "Justification", kJustification),
        kPLeft, number("MaxChars", "MaxChars"), kName, words("NumbersOnly", "NumbersOnly", kYesIsOne),
        words("SingleLine", "SingleLine", kYesIsOne), text("Text", "Text"), kPTop,
        words("Underline", "Underline", kYesIsZero), kPWidth}, "Field"},
      {"Dialog", ClassId::PTDialog, Tool::Dialog, "Dialog", "Dialog", false,
       {{"UserTop", 60LL}, {"UserLeft", 5LL}, {"UserHeight", 80LL}, {"UserWidth", 152LL}, {"Tag", 1LL}},
       {kPHeight, kPLeft, kName, {"Test", "Tag", Conv::DialogTest}, text("Title", "Title"), kPTop, kPWidth}},
      {"GSI", ClassId::PTGsi, Tool::GSI, "GSI", "GSI", false, {{"Top", P::Y}, {"Left", P::X}},
       {kPLeft, kName, kPTop}},
      {"Bitmap", ClassId::CCBitmap, Tool::Bitmap, "Bitmap", "Bitmap", false,
       {{"Top", P::Y}, {"Left", P::X}, {"StringBits", ""}},
       {{"Bitmap", "StringBits", Conv::Bitmap}, number("Height", "Height", kMaxBitmapSide), kPLeft, kName, kPTop,
        number("Width", "Width", kMaxBitmapSide)}},
  };
  const G U = G::U, Pn = G::P, N = G::None;
  t.align = {
      {ClassId::PTButton, U, U, U, U, U, U, U, U},
      {ClassId::CCButton, U, U, U, U, U, U, U, U},
      {ClassId::CCSwitch, U, U, U, U, U, U, U, U},
      {ClassId::PTCheckbox, U, Pn, Pn, U, Pn, U, Pn, U},
      {ClassId::PTList, U, U, N, U, U, U, Pn, U},
      {ClassId::PTLabel, Pn, N, N, Pn, Pn, Pn, Pn, Pn},
      {ClassId::PTGsi, Pn, N, N, Pn, Pn, Pn, Pn, Pn},
      {ClassId::PTPopTrigger, Pn, Pn, Pn, Pn, Pn, Pn, Pn, Pn},
      {ClassId::PTEdit, Pn, Pn, Pn, Pn, Pn, Pn, Pn, Pn},
      {ClassId::PTDialog, Pn, Pn, Pn, Pn, Pn, Pn, Pn, Pn},
      {ClassId::CCBitmap, Pn, Pn, Pn, Pn, Pn, Pn, Pn, Pn},
  };
  return t;
}

}  // namespace

const DesignTables& PToolboxFamily::design() const {
  static const DesignTables tables = makeTables();
  return tables;
}

std::string PToolboxFamily::kindWord(const Control& c) const { return ptKind(c); }

std::string PToolboxFamily::specialText(const FormDocument&, const Control& c, const RowDef&) const {
  // The selector trigger's "Align": a centred one shows nothing.
  if (c.alignment == Alignment::Left) return "Left";
  if (c.alignment == Alignment::Right) return "Right";
  return "";
}

void PToolboxFamily::setSpecial(Designer&, FormDocument&, Control& c, const RowDef&, const std::string& text) const {
  // Switching from one side to the other moves the trigger 5 pixels that way.
  if (text == "Left") {
    if (c.alignment == Alignment::Right) c.setLeft(c.left() - 5);
    c.alignment = Alignment::Left;
  } else if (text == "Right") {
    if (c.alignment == Alignment::Left) c.setLeft(c.left() + 5);
    c.alignment = Alignment::Right;
  }
}

std::optional<std::vector<std::string>> PToolboxFamily::choices(const FormDocument* current, const Control& c,
                                                                std::string_view row) const {
  if (row == "Style")
    return c.classId() == ClassId::PTList ? std::vector<std::string>{"Stand-alone", "Pop-triggered", "Popup-list"}
                                          : std::vector<std::string>{};
  if (row != "Trigger") return std::nullopt;
  std::vector<std::string> out = {"(None)"};
  if (current)
    for (const auto& k : current->screen().children())
      if (k->classId() == ClassId::PTPopTrigger) out.push_back(k->name());
  return out;
}

}  // namespace tw
