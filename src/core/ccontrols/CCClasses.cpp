// Published properties and paint-time rules of the CControls widget classes.
#include "CCBitmap.h"
#include "CCButton.h"
#include "CCCheckbox.h"
#include "CCDropDown.h"
#include "CCEdit.h"
#include "CCLabel.h"
#include "CCListBox.h"
#include "CCMenu.h"
#include "CCMenuBar.h"
#include "CCPopUp.h"
#include "CCRadio.h"
#include "CCSwitch.h"
#include "CCFamily.h"
#include "model/PropertyList.h"
#include "graphics/TextMetrics.h"

namespace tw {
void TCCButton::beforePaint(const TextMetrics& m) {
  if (tag == 3) setWidth(m.textWidth(font, content) + 7);
}
void TCCEdit::beforePaint(const TextMetrics&) { setHeight(13); }
void TCCLabel::beforePaint(const TextMetrics&) { setHeight(13); }
void TCCCheckbox::beforePaint(const TextMetrics&) { setHeight(13); }

void TCCDropDown::afterResize(const TextMetrics& m) {
  int h = m.textHeight(font, "A");
  if (h > 0) setVisibleItems((height() - 3) / h);
}

const PropList& TCCButton::properties() const {
  using C = TCCButton;
  static const PropList list = withBase(
      {strField("Content", &C::content), intField("Line", &C::line), intField("Radius", &C::radius),
       strField("ShowForm", &C::showForm), intField("UserEnabled", &C::userEnabled),
       intField("UserVisible", &C::userVisible)},
      kUserAll);
  return list;
}

const PropList& TCCSwitch::properties() const {
  using C = TCCSwitch;
  static const PropList list =
      withBase({strField("Content", &C::content), intField("Line", &C::line), intField("Radius", &C::radius),
                intField("State", &C::state)},
               kUserAll);
  return list;
}

const PropList& TCCEdit::properties() const {
  using C = TCCEdit;
  static const PropList list = withBase({strField("Content", &C::content), intField("Line", &C::line),
                                         intField("Style", &C::style), strField("Topic", &C::topic)},
                                        kUserAll);
  return list;
}

const PropList& TCCCheckbox::properties() const {
  using C = TCCCheckbox;
  static const PropList list =
      withBase({strField("Content", &C::content), intField("State", &C::state)}, kUserLeft | kUserTop);
  return list;
}

const PropList& TCCLabel::properties() const {
  using C = TCCLabel;
  static const PropList list = withBase(
      {strField("Content", &C::content), intField("Line", &C::line), intField("Style", &C::style)}, kUserAll);
  return list;
}

const PropList& TCCListBox::properties() const {
  using C = TCCListBox;
  static const PropList list =
      withBase({itemsProp<C>("Items", &C::getItems, &C::setItems), intField("SelectedItem", &C::selectedItem),
                intProp<C>("VisibleItems", &C::visibleItems, &C::setVisibleItems, false)},
               kUserLeft | kUserTop | kUserWidth);
  return list;
}

const PropList& TCCRadio::properties() const {
  using C = TCCRadio;
  static const PropList list =
      withBase({strField("Content", &C::content), itemsProp<C>("Items", &C::getItems, &C::setItems),
                intField("SelectedItem", &C::selectedItem)},
               kUserAll);
  return list;
}

const PropList& TCCDropDown::properties() const {
  using C = TCCDropDown;
  static const PropList list =
      withBase({itemsProp<C>("Items", &C::getItems, &C::setItems), intField("SelectedItem", &C::selectedItem),
                intField("TestItems", &C::testItems),
                intProp<C>("VisibleItems", &C::visibleItems, &C::setVisibleItems, false)},
               kUserLeft | kUserTop | kUserWidth);
  return list;
}

const PropList& TCCPopUp::properties() const {
  using C = TCCPopUp;
  static const PropList list =
      withBase({itemsProp<C>("Items", &C::getItems, &C::setItems), intField("SelectedItem", &C::selectedItem),
                intProp<C>("Test", &C::test, &C::setTest),
                intProp<C>("VisibleItems", &C::visibleItems, &C::setVisibleItems, false)},
               kUserLeft | kUserTop | kUserWidth);
  return list;
}

const PropList& TCCMenuBar::properties() const {
  using C = TCCMenuBar;
  static const PropList list = withBase({intProp<C>("Test", &C::test, &C::setTest)});
  return list;
}

const PropList& TCCMenu::properties() const {
  using C = TCCMenu;
  auto stored = [](const char* name, int (C::*get)() const, void (C::*set)(long long)) {
    return intProp<C>(name, get, set, true);
  };
  static const PropList list = withBase({
      itemsProp<C>("Items", &C::getItems, &C::setItems),
      intField("SelectedItem", &C::selectedItem),
      stored("Test", &C::test, &C::setTest),
      strField("Topic", &C::topic),
      stored("TopicWidth", &C::topicWidth, &C::setTopicWidth),
      stored("UserLeft", &C::userLeft, &C::setUserLeft),
      stored("UserWidth", &C::userWidth, &C::setUserWidth),
  });
  return list;
}

const PropList& TCCBitmap::properties() const {
  using C = TCCBitmap;
  static const PropList list = withBase({strField("StringBits", &C::stringBits)});
  return list;
}

// The family's factory: one case per class of its rows in the class list.
std::unique_ptr<Control> CControlsFamily::create(ClassId id) const {
  switch (id) {
#define TW_CLASS(id, T, layer) TW_CREATE_##layer(id, T)
#define TW_CREATE_ccontrols(id, T) \
  case ClassId::id:              \
    return std::make_unique<T>();
#define TW_CREATE_ptoolbox(id, T)
#define TW_CREATE_model(id, T)
#include "Classes.def"
    default:
      return nullptr;
  }
}

namespace {
const CControlsFamily kFamily;
}  // namespace

}  // namespace tw

// Registers the family while the program starts. The build asks the linker for this symbol, so the
// registration is linked into every program that links the family.
extern "C" {
extern const bool tw_ccontrols_registered;
const bool tw_ccontrols_registered = (tw::registerFamily(tw::kFamily), true);
}
