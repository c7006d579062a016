#pragma once
#include "model/Control.h"

namespace tw {

// The handheld screen of a form document (`panScreen`): every control of the form lies on it or
// inside a dialog on it.
class TCCForm : public Control {
 public:
  TCCForm() : Control(ClassId::CCForm) {
    setBounds(4, 2, 160, 160);
    setNameUnchecked("panScreen");
    color = kWhite;
  }
  int style = 0;
  std::string title = "Form1";
  bool isContainer() const override { return true; }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCForm)
  bool showsMarks() const override { return false; }
};

}  // namespace tw
