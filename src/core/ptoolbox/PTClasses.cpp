// Published properties and paint-time rules of the PToolboxLib widget classes.
#include "PTButton.h"
#include "PTCheckBox.h"
#include "PTEdit.h"
#include "PTGsi.h"
#include "PTLabel.h"
#include "PTList.h"
#include "PTPopTrigger.h"
#include "PTFamily.h"
#include "model/PropertyList.h"
#include "graphics/TextMetrics.h"

namespace tw {
void TPTLabel::beforePaint(const TextMetrics& m) {
  setWidth(m.textWidth(font, content) + 1);
  int h = m.textHeight(font, content);
  setHeight(h == 0 ? 11 : h);
}

void TPTList::beforePaint(const TextMetrics& m) {
  int h = m.textHeight(font, "A");
  if (h != rowHeight_) {
    rowHeight_ = h;
    setHeight(static_cast<long long>(maxItems_) * rowHeight_ + 3);
  }
}

void TPTList::afterResize(const TextMetrics& m) {
  int h = m.textHeight(font, "A");
  if (h > 0) setMaxItems(height() / h);
}

const PropList& TPTButton::properties() const {
  using C = TPTButton;
  static const PropList list =
      withBase({intField("ButtonType", &C::buttonType), intField("Frame", &C::frame),
                strField("ShowForm", &C::showForm), strField("Text", &C::text)},
               kUserAll);
  return list;
}

const PropList& TPTPopTrigger::properties() const {
  static const PropList list = withBase({strField("Text", &TPTPopTrigger::text)});
  return list;
}

const PropList& TPTEdit::properties() const {
  using C = TPTEdit;
  static const PropList list = withBase(
      {intField("Editable", &C::editable), intField("Justification", &C::justification),
       intField("MaxChars", &C::maxChars), intField("NumbersOnly", &C::numbersOnly),
       intField("SingleLine", &C::singleLine), strField("Text", &C::text), intField("Underline", &C::underline)});
  return list;
}

const PropList& TPTCheckbox::properties() const {
  using C = TPTCheckbox;
  static const PropList list = withBase(
      {strField("Content", &C::content),
       {"GroupNumber", PropType::Integer, true,
        [](const Control& c) { return PropValue((long long)static_cast<const C&>(c).groupNumber); },
        [](Control& c, const PropValue& v) { static_cast<C&>(c).groupNumber = uint8_t(std::get<long long>(v)); }},
       intField("State", &C::state)},
      kUserLeft | kUserTop);
  return list;
}

const PropList& TPTLabel::properties() const {
  static const PropList list = withBase({strField("Content", &TPTLabel::content)});
  return list;
}

const PropList& TPTList::properties() const {
  using C = TPTList;
  static const PropList list =
      withBase({itemsProp<C>("Items", &C::getItems, &C::setItems), intProp<C>("MaxItems", &C::maxItems, &C::setMaxItems),
                intField("SelectedItem", &C::selectedItem),
                // Trigger before Style: setting the trigger resets the style.
                strProp<C>("Trigger", &C::trigger, &C::setTrigger), intField("Style", &C::style)},
               kUserLeft | kUserTop | kUserWidth);
  return list;
}

const PropList& TPTGsi::properties() const {
  static const PropList list = withBase({});
  return list;
}

// The family's factory: one case per class of its rows in the class list.
std::unique_ptr<Control> PToolboxFamily::create(ClassId id) const {
  switch (id) {
#define TW_CLASS(id, T, layer) TW_CREATE_##layer(id, T)
#define TW_CREATE_ptoolbox(id, T) \
  case ClassId::id:              \
    return std::make_unique<T>();
#define TW_CREATE_ccontrols(id, T)
#define TW_CREATE_model(id, T)
#include "Classes.def"
    default:
      return nullptr;
  }
}

namespace {
const PToolboxFamily kFamily;
}  // namespace

}  // namespace tw

// Registers the family while the program starts. The build asks the linker for this symbol, so the
// registration is linked into every program that links the family.
extern "C" {
extern const bool tw_ptoolbox_registered;
const bool tw_ptoolbox_registered = (tw::registerFamily(tw::kFamily), true);
}
