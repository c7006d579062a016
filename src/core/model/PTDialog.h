#pragma once
#include "model/Control.h"

namespace tw {

// A modal dialog frame that holds other controls; used by both libraries. Its Tag is `Test`:
// 1 while it is the dialog shown on the form's screen. The frame takes 2 pixels on each side.
class TPTDialog : public Control {
 public:
  TPTDialog() : Control(ClassId::PTDialog) { setBounds(0, 0, 160, 160); }
  std::string title = "Dialog";
  int userInset() const override { return 2; }
  int userWidthExtra() const override { return 4; }
  int userHeightExtra() const override { return 4; }
  bool isContainer() const override { return true; }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTDialog)
};

}  // namespace tw
