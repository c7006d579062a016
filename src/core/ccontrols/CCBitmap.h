#pragma once
#include "model/BitmapGrid.h"
#include "model/Control.h"

namespace tw {

// A monochrome picture held as StringBits text; its bounds are the picture, one pixel each.
// Tag is `Clickable` in CControls forms.
class TCCBitmap : public Control {
 public:
  TCCBitmap() : Control(ClassId::CCBitmap) {
    setBounds(0, 0, 20, 20);
    selectColor = 0;
  }
  std::string stringBits;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCBitmap)
};

}  // namespace tw
