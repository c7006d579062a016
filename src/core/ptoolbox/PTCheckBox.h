#pragma once
#include <cstdint>

#include "model/Control.h"

namespace tw {

class TPTCheckbox : public Control {
 public:
  TPTCheckbox() : Control(ClassId::PTCheckbox) { setBounds(0, 0, 58, 13); }
  std::string content;
  uint8_t groupNumber = 0;
  int state = 0;  // 1 ticked
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTCheckbox)
};

}  // namespace tw
