// PToolboxLib form-file records: one section per control, keyed by its name.
#include "PTFamily.h"
#include "model/Records.h"

namespace tw {
namespace {

using namespace recordkeys;
using K = RecConv;

// Most kinds write Height, Width, Left and Top, and read them back as Top, Left, Height, Width.
std::vector<RecKey> boxed(std::initializer_list<RecKey> first, std::initializer_list<RecKey> rest) {
  std::vector<RecKey> keys{kKind, kName};
  keys.insert(keys.end(), first);
  keys.insert(keys.end(), {kHeight, kWidth, kLeft, kTop});
  keys.insert(keys.end(), rest);
  return keys;
}
std::vector<RecRead> bounds(long long top, long long left, long long height, long long width,
                            std::initializer_list<RecRead> rest, std::vector<RecRead> first = {}) {
  first.insert(first.end(), {{"Top", top}, {"Left", left}, {"Height", height}, {"Width", width}});
  first.insert(first.end(), rest);
  return first;
}
const RecRead kRFont{"Font"};

RecordTable makeTable() {
  return {{
      {"Button", ClassId::PTButton,
       boxed({text("Text")}, {num("Frame"), kFont, num("Type", "ButtonType"), text("ShowForm"), kParent}),
       bounds(18, 5, 17, 46, {{"Frame", 0LL}, kRFont, {"ShowForm", "(None)"}, {"Type", 0LL}}, {{"Text", "Button"}})},
      {"Push", ClassId::CCSwitch,
       boxed({text("Text", "Content")}, {kFont, num("State"), num("GroupNumber", "Tag"), kParent}),
       bounds(10, 10, 14, 34, {{"GroupNumber", 0LL}, kRFont, {"State", 0LL}}, {{"Text", "Push"}})},
      // A selector trigger always sizes itself to its text, opens no form and has a square gray frame;
      // its Align is in the framework's order.
      {"Select", ClassId::CCButton,
       boxed({text("Text", "Content")}, {kFont, num("Align", "Alignment"), kParent}),
       bounds(18, 10, 14, 34, {{"Align", 0LL}, kRFont}, {{"Text", "Select"}}),
       {{"Tag", 3LL}, {"ShowForm", "(None)"}, {"Radius", 0LL}, {"Line", 2LL}}},
      {"CheckBox", ClassId::PTCheckbox,
       boxed({text("Text", "Content")}, {kFont, num("State"), num("GroupNumber"), kParent}),
       bounds(10, 10, 15, 34, {kRFont, {"State", 0LL}, {"GroupNumber", 0LL}}, {{"Text", "CheckBox"}})},
      {"Label", ClassId::PTLabel,
       {kKind, kName, text("Text", "Content"), kLeft, kTop, kFont, kParent},
       {{"Text", "Label"}, {"Top", 18LL}, {"Left", 10LL}, kRFont}},
      {"List", ClassId::PTList,
       {kItems, kKind, kName, kWidth, kLeft, kTop, num("MaxItems"), num("SelectedItem"), num("Style"),
        text("Trigger"), kFont, kParent},
       // The trigger before the style: setting the trigger resets the style.
       {{"Top", 10LL}, {"Left", 10LL}, {"Width", 34LL}, kRFont, {"MaxItems", 2LL}, {"SelectedItem", 0LL},
        {"Trigger", "(None)"}, {"Style", 0LL}, {"Items"}}},
      {"PopTrigger", ClassId::PTPopTrigger, boxed({text("Text")}, {kFont, kParent}),
       bounds(18, 10, 15, 34, {kRFont}, {{"Text", "PopTr"}})},
      {"Field", ClassId::PTEdit,
       boxed({text("Text")}, {kFont, num("SingleLine"), num("Justification"), num("Underline"), num("NumbersOnly"),
                              num("Editable"), num("MaxChars"), kParent}),
       bounds(18, 10, 15, 34,
              {kRFont, {"SingleLine", 0LL}, {"Justification", 0LL}, {"NumbersOnly", 0LL}, {"Editable", 0LL},
               {"Underline", 0LL}, {"MaxChars", 20LL}},
              {{"Text", "Field"}})},
      {"Dialog", ClassId::PTDialog, boxed({text("Title")}, {num("Test", "Tag")}), {}, {},
       [](const RecordReader& r, LoadContext& ctx) { readDialogRecord(r, ctx, "Title"); }},
      {"GSI", ClassId::PTGsi, {kKind, kName, kLeft, kTop, kParent}, {{"Top", 150LL}, {"Left", 150LL}}},
      {"Bitmap", ClassId::CCBitmap, boxed({text("StringBits")}, {kParent}),
       bounds(18, 10, 20, 20, {{"StringBits", ""}})},
  }, false};
}

const RecordTable& table() {
  static const RecordTable rows = makeTable();
  return rows;
}

}  // namespace

std::string ptKind(const Control& c) {
  const RecordRow* row = table().byClass(c.classId());
  return row ? row->kind : "";
}

const RecordTable& PToolboxFamily::records() const { return table(); }

}  // namespace tw
