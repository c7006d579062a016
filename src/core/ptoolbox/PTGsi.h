#pragma once
#include "model/Control.h"

namespace tw {

// The shift indicator: a fixed 8 by 9 glyph.
class TPTGsi : public Control {
 public:
  TPTGsi() : Control(ClassId::PTGsi) { setBounds(0, 0, 8, 9); }
  void beforePaint(const TextMetrics&) override {
    if (width() != 8 || height() != 9) setBounds(left(), top(), 8, 9);
  }
  const PropList& properties() const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTGsi)
  bool showsMarks() const override { return false; }
};

}  // namespace tw
