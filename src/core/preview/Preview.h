#pragma once
// The preview: the forms of a project behaving as on the handheld, as far as their files say. Buttons
// that name a form switch to it and ones that name a dialog show it over the form; check boxes, switches,
// radio groups, lists, drop-downs, pop-up triggers, edits and the menu bar answer the pen. It works on
// copies made when it starts: the documents never change.
//
// Coordinates are pixels of the handheld picture (model/FormPicture.h): the face, with the screen at the
// form screen's place on it and the menus where the picture draws them.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "graphics/Canvas.h"

namespace tw {

class Control;
class FontSet;
class FormDocument;

class Preview {
 public:
  // Starts on the form named firstForm (without regard to case), else on the first of forms.
  Preview(const std::vector<const FormDocument*>& forms, std::string_view firstForm);
  ~Preview();
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  // The pen touches the picture, lifts (a held button acts when the pen lifts over it), or the user
  // types (into the edit last tapped; "\b" takes back the last character).
  void tap(int x, int y);
  void release(int x, int y);
  void key(std::string_view text);
  // The face's home button: the first form, nothing open.
  void home();
  // The hardware scroll buttons (or a wheel): the open list, else the list last tapped, scrolls.
  void scroll(int rows);

  // The picture: the face with the current form, the shown dialog over it and what is open on top.
  void paint(Canvas& out, const FontSet& fonts);

  // What is shown, for the window's title and the tests.
  bool empty() const { return forms_.empty(); }
  std::string formName() const;
  std::string dialogName() const;  // empty when no dialog is shown
  // The preview's copy of a control: of the shown dialog, of the current form, else of any form.
  Control* find(std::string_view name) const;
  // The whole text of an edit, typed into or not.
  std::string editText(const Control& edit) const;
  const Control* pressed() const { return pressed_; }
  const Control* focus() const { return focus_; }
  bool menuOpen() const { return menuOpen_; }
  // The last menu item chosen, "Topic/Item"; empty before any.
  const std::string& lastMenuChoice() const { return menuChoice_; }

 private:
  FormDocument& form() const { return *forms_[current_]; }
  void show(std::string_view target);
  void closeDialog();
  void closeAll();
  bool tapOpen(int x, int y);
  bool tapMenus(int x, int y);
  void openMenuBar(Control* menu);
  void closeMenuBar();
  void act(Control& c, int x, int y);
  Control* hit(Control& parent, int x, int y) const;
  struct ListRows {
    long long rows, height, top, count;
  };
  ListRows listRows(const Control& c) const;
  static constexpr long long kNoItem = -1, kArrow = -2;
  long long itemAt(Control& c, int x, int y);
  void scroll(Control& c, long long rows);
  Point originOf(const Control& c) const;
  void drawOnTop(Canvas& out, Control& c, const FontSet& fonts) const;
  void showEditText(Control& edit, const FontSet& fonts);
  void drawCaret(Canvas& out, const FontSet& fonts) const;
  void drawPressed(Canvas& out, const Control& b, const FontSet& fonts) const;

  std::vector<std::unique_ptr<FormDocument>> forms_;
  size_t first_ = 0, current_ = 0;
  Control* dialog_ = nullptr;     // the shown dialog; it may belong to another form
  Control* pressed_ = nullptr;    // the button held down
  Control* focus_ = nullptr;      // the edit that takes keys
  Control* openList_ = nullptr;   // a drop-down, a pop-up or a trigger's list, open
  Control* lastList_ = nullptr;   // the list the scroll buttons move
  std::unordered_map<Control*, long long> tops_;  // the first item in sight of each scrolled list
  bool menuOpen_ = false;
  std::string menuChoice_;
  // The whole text of each edit typed into; the control shows the part that fits.
  std::unordered_map<Control*, std::string> edits_;
};

}  // namespace tw
