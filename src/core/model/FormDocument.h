#pragma once
// A form being designed: its screen with the controls on it, the menus of its window, and the
// names that make it up.
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/CCForm.h"
#include "base/FileStamp.h"

namespace tw {

class History;
class TPTDialog;
class TextMetrics;

class FormDocument {
 public:
  FormDocument(int library, std::string formName);
  ~FormDocument();

  int library() const { return library_; }
  std::string formName;  // the form's identifier: caption, close question, generated code
  std::string fileName;  // full path of the form file; empty until first saved or loaded
  // The file this form was read from when some of its records made no control (a kind this
  // library does not have): saving over that file would lose them, so it is refused.
  std::string partlyReadFile;
  int windowTop = 0, windowLeft = 0;
  bool visible = true;   // false once its window was closed (hidden); it stays in memory
  bool inProject = true;  // a closed form with a file stays listed in its project until removed from it
  // The form file as last read or written here, and the form's file text then (empty: unsaved
  // work, whatever the form holds): see model/DiskState.h.
  FileStamp diskStamp;
  std::string savedText;
  // The line of the form file that holds each read control's section header (the screen's: the FORM
  // header), as the file was read; edits since then do not move them.
  std::unordered_map<const Control*, int> fileLines;

  TCCForm& screen() { return *screen_; }
  const TCCForm& screen() const { return *screen_; }
  // Menu bars and menus: children of the form window itself, in child order.
  const std::vector<std::unique_ptr<Control>>& windowChildren() const { return window_; }

  // The dialog shown on the screen that receives new controls, if any.
  TPTDialog* shownDialog = nullptr;
  // The object that activating the form selects again; nullptr stands for the form itself.
  Control* lastSelected = nullptr;

  // Places a control: on the screen, in a dialog of the screen, or (parent nullptr) on the form window.
  Control* add(std::unique_ptr<Control> c, Control* parent);
  // Removes a control with its children; forgets it as shown dialog and last selection.
  std::unique_ptr<Control> remove(Control* c);
  // Moves a menu bar or menu to a place in the form window's child order.
  void moveWindowChild(const Control* c, size_t index);

  // Every control in file order: each screen child followed by its children, then the window's.
  template <class F> void forEachControl(F&& f) const {
    for (const auto& c : screen_->children()) visit(*c, f);
    for (const auto& c : window_) visit(*c, f);
  }
  int controlCount() const;

  // Component names are unique per form without regard to case and must be identifiers other than
  // "Form" (the form file's own section). Returns the framework's refusal text, or an empty string
  // when the name may be given.
  std::string nameError(std::string_view name, const Control* self) const;
  // nameError against a set of lower-cased taken names (takenNames), for many names at once.
  static std::string nameErrorAmong(std::string_view name, const std::unordered_set<std::string>& taken);
  std::unordered_set<std::string> takenNames() const;
  bool rename(Control& c, std::string_view name, std::string* error = nullptr);
  Control* findComponent(std::string_view name) const;
  // The parent a record names: "panScreen" or a dialog on the screen (exact name); else the screen.
  Control* findParent(std::string_view name);

  // Runs the paint-time rules of every shown control, as the designer's first paint of a form does.
  void applyPaintRules(const TextMetrics& m);

  // The form's undo and redo steps (model/History.h); they live as long as the document.
  History& history() { return *history_; }
  const History& history() const { return *history_; }

 private:
  template <class F> static void visit(Control& c, F& f) {
    f(c);
    for (const auto& k : c.children()) visit(*k, f);
  }

  int library_;
  std::unique_ptr<TCCForm> screen_;
  std::vector<std::unique_ptr<Control>> window_;
  std::unique_ptr<History> history_;
};

bool isValidIdent(std::string_view name);

}  // namespace tw
