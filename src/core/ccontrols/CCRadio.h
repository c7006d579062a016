#pragma once
#include "model/Control.h"

namespace tw {

// A radio group: its items side by side, each the same width.
class TCCRadio : public Control {
 public:
  TCCRadio() : Control(ClassId::CCRadio) { setBounds(0, 0, 31, 14); }
  std::string content;
  std::vector<std::string> items;
  int selectedItem = 0;
  // The width is a whole multiple of the item count, plus the frame.
  void setUserWidth(long long v) override {
    long long n = static_cast<long long>(items.size());
    setWidth(n > 0 ? (clampCoord(v) / n) * n + 2 : v + 2);
  }
  const std::vector<std::string>& getItems() const { return items; }
  void setItems(const std::vector<std::string>& v) { items = v; }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCRadio)
};

}  // namespace tw
