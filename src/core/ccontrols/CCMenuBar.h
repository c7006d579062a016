#pragma once
#include "model/Control.h"

namespace tw {

// The menu bar across the top of a form; a child of the form window, not of the screen.
class TCCMenuBar : public Control {
 public:
  TCCMenuBar() : Control(ClassId::CCMenuBar) { setBounds(0, 0, 160, 15); }
  int test() const { return test_; }
  void setTest(long long v) {
    test_ = int(v);
    visible = v != 0;
  }
  const PropList& properties() const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCMenuBar)
  bool showsMarks() const override { return false; }
  bool onFormWindow() const override { return true; }
  bool marksWhenSelected() const override { return false; }

 private:
  int test_ = 1;
};

}  // namespace tw
