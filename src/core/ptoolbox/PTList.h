#pragma once
#include "model/Control.h"

namespace tw {

// A list: stand-alone, opened by a pop-up trigger, or a pop-up list. Its rows are as high as the
// letter "A" of its font (11 pixels until it is first painted); the frame takes 3.
class TPTList : public Control {
 public:
  TPTList() : Control(ClassId::PTList) { setBounds(0, 0, 35, 25); }
  std::vector<std::string> items;
  int selectedItem = -1;
  int style = 0;  // 0 stand-alone, 1 opened by a trigger, 2 pop-up list

  int userWidthExtra() const override { return 3; }
  int maxItems() const { return maxItems_; }
  void setMaxItems(long long v) {
    maxItems_ = clampCoord(v);
    setHeight(static_cast<long long>(maxItems_) * rowHeight_ + 3);
  }
  const std::string& trigger() const { return trigger_; }
  void setTrigger(const std::string& name) {
    trigger_ = name;
    style = name == "(None)" ? 0 : 1;
  }
  int rowHeight() const { return rowHeight_; }
  const std::vector<std::string>& getItems() const { return items; }
  void setItems(const std::vector<std::string>& v) { items = v; }
  void beforePaint(const TextMetrics& m) override;
  // After a mouse resize the height snaps to whole rows.
  void afterResize(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TPTList)

 private:
  int maxItems_ = 2;
  std::string trigger_;
  int rowHeight_ = 11;
};

}  // namespace tw
