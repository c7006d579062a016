// Published properties and paint-time rules of the PToolboxLib widget classes.
#include "PTButton.h"
#include "PTCheckBox.h"
#include "PTDialog.h"
#include "PTEdit.h"
#include "PTGsi.h"
#include "PTLabel.h"
#include "PTList.h"
#include "PTPopTrigger.h"
#include "model/PropertyList.h"
#include "model/TextMetrics.h"

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

void TPTList::snapAfterResize(const TextMetrics& m) {
  int h = m.textHeight(font, "A");
  if (h > 0) setMaxItems(height() / h);
}

const PropList& TPTDialog::properties() const {
  static const PropList list = withBase({strField("Title", &TPTDialog::title)}, kUserAll);
  return list;
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

}  // namespace tw
