#pragma once
#include "model/Control.h"

namespace tw {

class TCCCheckbox : public Control {
 public:
  TCCCheckbox() : Control(ClassId::CCCheckbox) { setBounds(0, 0, 58, 13); }
  std::string content;
  int state = 0;  // 1 ticked
  void beforePaint(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCCheckbox)
};

}  // namespace tw
