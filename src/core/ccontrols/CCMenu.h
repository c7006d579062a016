#pragma once
#include "model/Control.h"

namespace tw {

// A menu of the menu bar; a child of the form window. Its UserLeft and UserWidth are fields of
// their own, and its height follows its items (11 pixels a row).
class TCCMenu : public Control {
 public:
  TCCMenu() : Control(ClassId::CCMenu) {
    setBounds(4, 1, 35, 36);
    font.name = kFontBold;
  }
  std::vector<std::string> items;  // the record reader fills it directly
  int selectedItem = -1;
  std::string topic = "Topic";

  const std::vector<std::string>& getItems() const { return items; }
  void setItems(const std::vector<std::string>& v) {
    items = v;
    setHeight(static_cast<long long>(items.size()) * 11 + 16);
  }
  int userLeft() const override { return userLeft_; }
  void setUserLeft(long long v) override {
    userLeft_ = clampCoord(v);
    setLeft(v - 1);
  }
  int userWidth() const override { return userWidth_; }
  void setUserWidth(long long v) override {
    userWidth_ = clampCoord(v);
    if (userWidth_ > topicWidth_) setWidth(v + 3);
  }
  int topicWidth() const { return topicWidth_; }
  void setTopicWidth(long long v) {
    topicWidth_ = clampCoord(v);
    if (topicWidth_ > userWidth_) setWidth(v + 4);
  }
  int test() const { return test_; }
  // A non-zero Test shows the menu; zero leaves it as it is.
  void setTest(long long v) {
    test_ = int(v);
    if (v != 0) visible = true;
  }
  // Closed, a menu is only its topic strip, down to its two lines at y = 13 and 14: the rows of its
  // list neither hide what lies below nor take its clicks.
  static constexpr int kTopicStrip = 15;
  int paintedHeight() const override { return test_ == 0 && height() > kTopicStrip ? kTopicStrip : height(); }
  void beforePaint(const TextMetrics&) override {
    setHeight(static_cast<long long>(items.size()) * 11 + 15);
  }
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCMenu)
  bool onFormWindow() const override { return true; }

 private:
  int userLeft_ = 5, userWidth_ = 32, topicWidth_ = 31, test_ = 1;
};

}  // namespace tw
