#pragma once
#include "model/Control.h"

namespace tw {

class TCCLabel : public Control {
 public:
  TCCLabel() : Control(ClassId::CCLabel) { setBounds(0, 0, 32, 13); }
  std::string content;
  int line = 1;
  int style = 2;  // 0 plain, 1 underlined, 2 boxed
  void beforePaint(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCLabel)
};

}  // namespace tw
