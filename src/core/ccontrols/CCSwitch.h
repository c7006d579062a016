#pragma once
#include "model/Control.h"

namespace tw {

// A switch; in PToolboxLib forms the same class is the push button ("Push").
class TCCSwitch : public Control {
 public:
  TCCSwitch() : Control(ClassId::CCSwitch) { setBounds(0, 0, 32, 14); }
  std::string content;
  int line = 1, radius = 0;
  int state = 0;  // 1 on
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCSwitch)
};

}  // namespace tw
