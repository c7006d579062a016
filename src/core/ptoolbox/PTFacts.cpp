// What the layout checker asks of the PToolboxLib widgets: the room each one draws its texts in, as its
// paint does (PTPaint.cpp), whether it takes taps, and what it links to.
#include "PTButton.h"
#include "PTCheckBox.h"
#include "PTEdit.h"
#include "PTLabel.h"
#include "PTList.h"
#include "PTPopTrigger.h"

namespace tw {

// The button's text is centred inside a frame two pixels thick.
void TPTButton::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.showForm = showForm;
  f.texts.push_back({text, width() - 4, height() - 2});  // a font cell's blank top row may touch the frame
}
// The trigger's text follows its arrow, 15 pixels in.
void TPTPopTrigger::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.texts.push_back({text, width() - 15, height()});
}
// A single-line field shows one line as wide as the field; a multi-line one wraps its text.
void TPTEdit::facts(ControlFacts& f) const {
  f.takesTaps = editable == 0;
  if (singleLine != 0) f.texts.push_back({text, width(), height()});
  else f.texts.push_back({text});
}
void TPTCheckbox::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.texts.push_back({content, width() - 18, height() - 1});  // written a row below its centred place
}
void TPTLabel::facts(ControlFacts& f) const { f.texts.push_back({content}); }
// A stand-alone list takes taps where it lies; one opened by a trigger, or a pop-up list, is shown over
// the form on demand and covers what lies below it by design. Its rows start two pixels in, before a
// three-pixel frame and shadow.
void TPTList::facts(ControlFacts& f) const {
  f.takesTaps = style == 0;
  f.trigger = trigger();
  f.items = &items;
  for (const auto& item : items) f.texts.push_back({item, width() - 5});
}

}  // namespace tw
