#pragma once
#include "model/Control.h"

namespace tw {

// A list box; a row is 11 pixels high and the frame takes 2.
class TCCListBox : public Control {
 public:
  TCCListBox() : Control(ClassId::CCListBox) {
    setBounds(0, 0, 35, 14);
    selectColor = 0;
  }
  std::vector<std::string> items;
  int selectedItem = -1;
  int visibleItems() const { return height() / 11; }
  void setVisibleItems(long long v) { setHeight(v * 11 + 2); }
  const std::vector<std::string>& getItems() const { return items; }
  void setItems(const std::vector<std::string>& v) { items = v; }
  // After a mouse resize the height snaps to whole rows.
  void afterResize(const TextMetrics&) override { setVisibleItems(visibleItems()); }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCListBox)
};

}  // namespace tw
