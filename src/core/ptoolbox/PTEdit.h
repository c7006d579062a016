#pragma once
#include "model/Control.h"

namespace tw {

// A text field. `Editable` and `Underline` are stored inverted: 0 means yes.
class TPTEdit : public Control {
 public:
  TPTEdit() : Control(ClassId::PTEdit) { setBounds(0, 0, 32, 15); }
  int editable = 0;
  int justification = 0;  // 0 left, anything else right
  int maxChars = 0;
  int numbersOnly = 0;
  int singleLine = 0;
  std::string text = "Edit";
  int underline = 0;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTEdit)
};

}  // namespace tw
