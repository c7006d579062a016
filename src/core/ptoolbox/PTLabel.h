#pragma once
#include "model/Control.h"

namespace tw {

// A line of static text; every paint sizes it to its text.
class TPTLabel : public Control {
 public:
  TPTLabel() : Control(ClassId::PTLabel) { setBounds(0, 0, 32, 13); }
  std::string content;
  void beforePaint(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTLabel)
};

}  // namespace tw
