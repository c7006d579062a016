// What the layout checker asks of the CControls widgets: the room each one draws its texts in, as its
// paint does (CCPaint.cpp), whether it takes taps, and what it links to.
#include <algorithm>

#include "CCBitmap.h"
#include "CCButton.h"
#include "CCCheckbox.h"
#include "CCDropDown.h"
#include "CCEdit.h"
#include "CCLabel.h"
#include "CCListBox.h"
#include "CCMenu.h"
#include "CCPopUp.h"
#include "CCRadio.h"
#include "CCSwitch.h"

namespace tw {
namespace {

// Items drawn in rows of a list: only their width is measured, a row being as high as the list makes it.
void itemTexts(ControlFacts& f, const std::vector<std::string>& items, int room) {
  f.items = &items;
  for (const auto& item : items) f.texts.push_back({item, room});
}

}  // namespace

// A button and a switch centre their text inside a one-pixel frame; a button of Tag 3 sizes itself to it.
void TCCButton::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.showForm = showForm;
  if (tag == 3) f.texts.push_back({content});
  else f.texts.push_back({content, width() - 2, height() - 2});
}
void TCCSwitch::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.texts.push_back({content, width() - 2, height() - 2});
}
// Labels and edits write from two pixels in, on the panel's whole height; a box's right line is its own.
static int textBoxRoom(const Control& c, int style) { return c.width() - (style == 2 ? 3 : 2); }
void TCCEdit::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.texts.push_back({content, textBoxRoom(*this, style), height()});
  f.texts.push_back({topic});
}
void TCCLabel::facts(ControlFacts& f) const { f.texts.push_back({content, textBoxRoom(*this, style), height()}); }
void TCCCheckbox::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.texts.push_back({content, width() - 13, height() - 1});
}
void TCCListBox::facts(ControlFacts& f) const {
  f.takesTaps = true;
  itemTexts(f, items, width() - 4);
}
// Each item of a radio group has an equal cell, its text centred between the cell's lines.
void TCCRadio::facts(ControlFacts& f) const {
  f.takesTaps = true;
  f.texts.push_back({content});
  const int cells = items.empty() ? 1 : int(std::min<size_t>(items.size(), 1u << 15));
  itemTexts(f, items, width() / cells - 1);
  for (size_t i = f.texts.size() - items.size(); i < f.texts.size(); ++i) f.texts[i].height = height() - 2;
}
// The drop-down's field shows the chosen item after its arrow, 12 pixels in.
void TCCDropDown::facts(ControlFacts& f) const {
  f.takesTaps = true;
  itemTexts(f, items, width() - 12);
}
// A pop-up is an open list shown over the form on demand: it covers what lies below it by design.
void TCCPopUp::facts(ControlFacts& f) const { itemTexts(f, items, width() - 5); }
void TCCMenu::facts(ControlFacts& f) const {
  f.texts.push_back({topic, topicWidth() - 3, -1});  // the open topic's highlight ends at TopicWidth
  itemTexts(f, items, userWidth() - 4);
}
void TCCBitmap::facts(ControlFacts& f) const { f.takesTaps = tag == 1; }

}  // namespace tw
