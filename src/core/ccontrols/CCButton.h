#pragma once
#include "model/Control.h"

namespace tw {

// A button; in PToolboxLib forms the same class is the selector trigger ("Select").
class TCCButton : public Control {
 public:
  TCCButton() : Control(ClassId::CCButton) { setBounds(0, 0, 40, 14); }
  std::string content;
  int line = 1;    // frame colour code: 0 white, 1 black, 2 gray
  int radius = 4;  // corner radius, saved as "Edge"
  std::string showForm;
  int userEnabled = 0, userVisible = 0;  // carried for the PToolboxLib family
  // Tag 3 makes the button as wide as its text.
  void beforePaint(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCButton)
};

}  // namespace tw
