#pragma once
#include "CCDropDown.h"

namespace tw {

// A pop-up list: shaped like the drop-down; Test 0 hides it on the design surface.
class TCCPopUp : public TCCDropDown {
 public:
  TCCPopUp() : TCCDropDown(ClassId::CCPopUp) {}
  int test() const { return test_; }
  void setTest(long long v) {
    test_ = int(v);
    visible = v != 0;
  }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCPopUp)

 private:
  int test_ = 0;
};

}  // namespace tw
