// CControls form-file records: one section per control, keyed by its name.
#include "CCEdit.h"
#include "CCFamily.h"
#include "CCMenu.h"
#include "CCMenuBar.h"
#include "model/FormDocument.h"
#include "model/Records.h"

namespace tw {
namespace {

using namespace recordkeys;
using K = RecConv;

// Most kinds read Top, Left and Width (and Height where they keep one) at 10, 10, 34 (and 14).
const RecRead kRTop{"Top", 10LL}, kRLeft{"Left", 10LL}, kRWidth{"Width", 34LL}, kRHeight{"Height", 14LL};
const RecRead kRFont{"Font"}, kRItems{"Items"};

// A menu bar is placed at the screen's corner, named after the form when its record has no name, and
// starts hidden; a menu hangs from the screen's top. Neither names a parent.
void readMenuBar(const RecordReader& r, LoadContext& ctx) {
  FormDocument& form = ctx.form;
  auto m = std::make_unique<TCCMenuBar>();
  m->color = ctx.designColour;
  m->setLeft(form.screen().left());
  m->setTop(form.screen().top());
  std::string name = r.str("Name", ("MenuBar" + form.formName).c_str());
  m->setTest(0);
  placeRead(ctx, std::move(m), nullptr, name);
}

void readMenu(const RecordReader& r, LoadContext& ctx) {
  const TCCForm& screen = ctx.form.screen();
  auto m = std::make_unique<TCCMenu>();
  std::string name = r.str("Name", "Menu");
  m->color = ctx.designColour;
  m->setTop(screen.top());
  m->setUserLeft(r.num("Left", screen.left() + 5));
  m->setUserWidth(r.num("Width", 38));
  m->setTopicWidth(r.num("TopicWidth", 36));
  m->setTest(0);
  m->topic = r.str("Topic", "Topic");
  if (auto items = r.list(true)) m->items = std::move(*items);
  placeRead(ctx, std::move(m), nullptr, name);
}

// The drop-down and the pop-up write the same keys but their last.
std::vector<RecKey> dropDownKeys(RecKey test) {
  return {kItems, kKind, kName, kWidth, kLeft, kTop, num("VisibleItems"), num("SelectedItem"), kFont, kParent, test};
}
std::vector<RecRead> dropDownReads(const char* test) {
  return {{test, 0LL}, kRTop, kRLeft, kRWidth, {"VisibleItems", 2LL}, {"SelectedItem", 0LL}, kRFont, kRItems};
}
// The edit and the edit line read the same keys up to their line; the edit line's Tag is its Type.
std::vector<RecRead> editReads(std::initializer_list<RecRead> more) {
  std::vector<RecRead> reads{{"Content", "Edit"}, kRTop, kRLeft, kRWidth, kRFont, {"Style", 1LL}, {"Line", 1LL}};
  reads.insert(reads.end(), more);
  return reads;
}

RecordTable makeTable() {
  const RecKey edge = num("Edge", "Radius");
  return {{
      {"Button", ClassId::CCButton,
       {kKind, kName, text("Content"), kHeight, kWidth, kLeft, kTop, edge, num("Line"), kFont, text("ShowForm"),
        kParent},
       {{"Content", "Button"}, kRTop, kRLeft, kRWidth, kRHeight, {"Edge", 4LL}, {"Line", 1LL}, kRFont,
        {"ShowForm", "(None)"}}},
      {"Label", ClassId::CCLabel,
       {kKind, kName, text("Content"), kWidth, kLeft, kTop, kFont, num("Line"), {"Alignment", K::AlignCode},
        num("Style"), kParent},
       {{"Content", "Label"}, kRTop, kRLeft, kRWidth, kRFont, {"Line", 1LL}, {"Alignment", 0LL}, {"Style", 1LL}}},
      {"CheckBox", ClassId::CCCheckbox,
       {kKind, kName, text("Content"), kWidth, kLeft, kTop, kFont, num("State"), kParent},
       {{"Content", "CheckBox"}, kRTop, kRLeft, kRWidth, kRFont, {"State", 0LL}}},
      {"Switch", ClassId::CCSwitch,
       {kKind, kName, text("Content"), kHeight, kWidth, kLeft, kTop, kFont, edge, num("Line"), num("State"), kParent},
       {{"Content", "Switch"}, kRTop, kRLeft, kRWidth, kRHeight, kRFont, {"Edge", 0LL}, {"Line", 1LL},
        {"State", 0LL}}},
      {"Edit", ClassId::CCEdit,
       {kKind, kName, text("Content"), kWidth, kLeft, kTop, kFont, num("Style"), num("Line"),
        {"Alignment", K::AlignCode}, text("Topic"), kParent},
       editReads({{"Alignment", 0LL}, {"Topic", "Topic"}}), {{"Tag", 0LL}}},
      {"EditLine", ClassId::CCEdit,
       {kKind, kName, text("Content"), kWidth, kLeft, kTop, kFont, num("Style"), num("Line"), kParent,
        num("Type", "Tag")},
       editReads({}), {{"Tag", 1LL}}},
      {"ListBox", ClassId::CCListBox,
       {kItems, kKind, kName, kWidth, kLeft, kTop, num("VisibleItems"), num("SelectedItem"), kFont, kParent},
       {kRTop, kRLeft, kRWidth, {"VisibleItems", 2LL}, {"SelectedItem", 0LL}, kRFont, kRItems}},
      {"Radio", ClassId::CCRadio,
       {kItems, kKind, kName, kWidth, kLeft, kTop, kHeight, num("SelectedItem"), kFont, kParent},
       {kRTop, kRLeft, kRWidth, kRHeight, {"SelectedItem", 0LL}, kRFont, kRItems}},
      {"Dialog", ClassId::PTDialog,
       {kKind, kName, text("Content", "Title"), kHeight, kWidth, kLeft, kTop, num("Test", "Tag")},
       {},
       {},
       [](const RecordReader& r, LoadContext& ctx) { readDialogRecord(r, ctx, "Content"); }},
      {"PopUp", ClassId::CCPopUp, dropDownKeys(num("Test")), dropDownReads("Test")},
      {"DropDown", ClassId::CCDropDown, dropDownKeys(num("TestItems")), dropDownReads("TestItems")},
      {"Image", ClassId::CCBitmap,
       {kKind, kName, text("StringBits"), kHeight, kWidth, kLeft, kTop, num("Clickable", "Tag"), kParent},
       {{"StringBits", ""}, kRTop, kRLeft, kRWidth, kRHeight, {"Clickable", 1LL}}},
      {"MenuBar", ClassId::CCMenuBar, {kKind, kName, num("Test")}, {}, {}, readMenuBar},
      {"Menu", ClassId::CCMenu,
       {kItems, kKind, kName, num("Width", "UserWidth"), num("Left", "UserLeft"), num("Test"), text("Topic"),
        num("TopicWidth")},
       {},
       {},
       readMenu},
  }, true};
}

const RecordTable& table() {
  static const RecordTable rows = makeTable();
  return rows;
}

}  // namespace

std::string ccKind(const Control& c) {
  if (c.classId() == ClassId::CCEdit) return as<TCCEdit>(c).isEditLine() ? "EditLine" : "Edit";
  const RecordRow* row = table().byClass(c.classId());
  return row ? row->kind : "";
}

const RecordTable& CControlsFamily::records() const { return table(); }

void CControlsFamily::writeMenus(IniFile& ini, const FormDocument& form) const {
  const auto& items = form.windowChildren();
  for (const auto& c : items)
    if (c->classId() == ClassId::CCMenuBar) {
      writeRecord(ini, *c);  // only the first menu bar
      break;
    }
  for (const auto& c : items)
    if (c->classId() == ClassId::CCMenu) writeRecord(ini, *c);
}

}  // namespace tw
