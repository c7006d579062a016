#pragma once
#include "model/Control.h"

namespace tw {

// A drop-down list and, below it, the pop-up that shares its shape. The field's arrow takes a
// third pixel of width; the open list's rows are 11 pixels and its frame 3.
class TCCDropDown : public Control {
 public:
  TCCDropDown() : TCCDropDown(ClassId::CCDropDown) {}
  std::vector<std::string> items;
  int selectedItem = -1;
  int testItems = 0;  // non-zero draws the list opened below the field
  int userWidthExtra() const override { return 3; }
  int visibleItems() const { return (height() - 3) / 11; }
  void setVisibleItems(long long v) { setHeight(v * 11 + 3); }
  const std::vector<std::string>& getItems() const { return items; }
  void setItems(const std::vector<std::string>& v) { items = v; }
  // After a mouse resize the height snaps to whole rows of the font's height.
  void afterResize(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCDropDown)

 protected:
  explicit TCCDropDown(ClassId id) : Control(id) { setBounds(0, 0, 35, 14); }
};

}  // namespace tw
