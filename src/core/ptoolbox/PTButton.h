#pragma once
#include "model/Control.h"

namespace tw {

// The standard button and the repeating button; the frame takes 2 pixels on each side.
class TPTButton : public Control {
 public:
  TPTButton() : Control(ClassId::PTButton) { setBounds(0, 0, 40, 14); }
  int buttonType = 0;  // 0 standard, 1 repeating
  int frame = 0;       // 0 rounded, 1 bold rounded, 2 square, 3 none
  std::string showForm;
  std::string text = "Button";
  int userInset() const override { return 2; }
  int userWidthExtra() const override { return 4; }
  int userHeightExtra() const override { return 4; }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTButton)
};

}  // namespace tw
