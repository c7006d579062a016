#pragma once
#include "model/Control.h"

namespace tw {

// A pop-up trigger: a label with a downward arrow in front of it.
class TPTPopTrigger : public Control {
 public:
  TPTPopTrigger() : Control(ClassId::PTPopTrigger) { setBounds(0, 0, 35, 15); }
  std::string text = "Pop";
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTPopTrigger)
};

}  // namespace tw
