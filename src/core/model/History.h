#pragma once
// Undo and redo of design changes, per form document. A step keeps the whole state of the form
// before and after the change: its controls (deep copies, selection marks and visibility
// included), its name and title, the shown dialog, the last selection and the inspected object.
// Forms are small, so this is cheap, and it is right for every operation alike.
//
// Restoring a state touches only the form in memory: never a file, never the ControlCounter
// (a generated name is not given twice), never the form's file name or window position.
#include <cstddef>
#include <deque>
#include <memory>
#include <string>

namespace tw {

class Control;
class Designer;
class FormDocument;

// A copy of a control with all of its fields and its children, without a parent.
std::unique_ptr<Control> cloneControl(const Control& c);

struct FormState;

struct HistoryStep {
  std::string name;  // "Move", "Align Left", "Paste", ...
  std::string mergeKey;
  std::shared_ptr<const FormState> before, after;
};

class History {
 public:
  static constexpr size_t kDefaultDepth = 100;
  explicit History(size_t depth = kDefaultDepth);
  ~History();
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The name of the step that undo or redo would take back or do again; empty when none.
  std::string undoName() const { return undo_.empty() ? std::string() : undo_.back().name; }
  std::string redoName() const { return redo_.empty() ? std::string() : redo_.back().name; }
  size_t undoCount() const { return undo_.size(); }
  size_t redoCount() const { return redo_.size(); }
  size_t depth() const { return depth_; }
  // Whether a step is open (between beginStep and commitStep).
  bool open() const { return openDepth_ > 0; }
  void clear();

 private:
  friend void beginStep(Designer&, FormDocument&, std::string, std::string);
  friend bool commitStep(Designer&, FormDocument&);
  friend void cancelStep(FormDocument&);
  friend bool undo(Designer&, FormDocument&);
  friend bool redo(Designer&, FormDocument&);

  size_t depth_;
  std::deque<HistoryStep> undo_, redo_;
  int openDepth_ = 0;
  std::string openName_, openKey_;
  std::shared_ptr<const FormState> openBefore_;
};

// Opens a step on the form: its state now is the state before the change. Steps nest; only the
// outermost one records, under its own name, so one drag is one step. A step with a merge key joins
// the last one when that has the same key, nothing was undone since and nothing changed between
// them: every keystroke typed into one inspector cell, under the cell's key, makes one step.
void beginStep(Designer& d, FormDocument& form, std::string name, std::string mergeKey = {});
// Closes the step. It is recorded (and the redo list dropped) only when the form changed; true then.
bool commitStep(Designer& d, FormDocument& form);
// Closes the step without recording it (the change was refused and nothing happened).
void cancelStep(FormDocument& form);
// Restores the state before the last step (after the next one to redo). An open step is closed
// first. The form is then inspected as it was, or the form itself when that object is gone.
// False when there was nothing to undo (redo).
bool undo(Designer& d, FormDocument& form);
bool redo(Designer& d, FormDocument& form);

// One step around a block of design calls.
class HistoryStepScope {
 public:
  HistoryStepScope(Designer& d, FormDocument& form, std::string name) : d_(d), form_(form) {
    beginStep(d, form, std::move(name));
  }
  ~HistoryStepScope() { commitStep(d_, form_); }
  HistoryStepScope(const HistoryStepScope&) = delete;
  HistoryStepScope& operator=(const HistoryStepScope&) = delete;

 private:
  Designer& d_;
  FormDocument& form_;
};

}  // namespace tw
