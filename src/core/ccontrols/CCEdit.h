#pragma once
#include "model/Control.h"

namespace tw {

// An edit: Tag 0 is a multi-line edit (kind Edit), any other Tag an edit line (kind EditLine).
class TCCEdit : public Control {
 public:
  TCCEdit() : Control(ClassId::CCEdit) { setBounds(0, 0, 32, 13); }
  std::string content;
  int line = 2;
  int style = 1;  // 0 plain, 1 underlined, 2 boxed
  std::string topic;
  bool isEditLine() const { return tag != 0; }
  void beforePaint(const TextMetrics& m) override;
  const PropList& properties() const override;
  void facts(ControlFacts& f) const override;
  void paint(Canvas& canvas, const FontSet& fonts) const override;
  TW_CLONE(TCCEdit)
};

}  // namespace tw
