#pragma once
// The designer's process-wide state and the design operations the windows call: placing controls
// from the palette, selecting, aligning, stacking, deleting, the inspector's rows and values, and
// the control clipboard. The current control library chooses the family (1 CControls,
// 2 PToolboxLib); with any other library the operations do nothing.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Design.h"
#include "Family.h"
#include "FormDocument.h"
#include "Messages.h"

namespace tw {

class TPTDialog;
class TextMetrics;

class Designer {
 public:
  explicit Designer(Messages& messages, int library = kLibPToolbox);
  Designer(const Designer&) = delete;
  Designer& operator=(const Designer&) = delete;

  Messages& messages;
  int library;                  // the current control library
  Colour designColour = kWhite;  // given to every control the factory or a record reader creates
  int formCounter = 0;          // number of the next default form name
  int controlCounter = 0;       // number behind every generated control name; never reset
  Tool tool = Tool::None;       // the palette button that is down

  const Family* family() const { return familyFor(library); }

  // ---- Form documents, in creation order. CurrentForm is the one last activated or created.
  const std::vector<std::unique_ptr<FormDocument>>& forms() const { return forms_; }
  FormDocument* currentForm() const { return current_; }
  // Creates a form document ("Form" + the next FormCounter when the name is empty), makes it current
  // and inspects it.
  FormDocument& newForm(std::string name = {});
  // Takes a document read from a file, makes it current and activates it.
  FormDocument& addForm(std::unique_ptr<FormDocument> form);
  // Forgets every form document.
  void closeAll();
  // A form's window was closed: the form is hidden, and is neither current nor inspected any more.
  void hideForm(FormDocument& form);
  // Makes the form current and inspects what it last had selected (the form itself when nothing).
  void activate(FormDocument& form);

  // ---- The inspected object (SelectedControl): a control, or a form itself (control nullptr).
  FormDocument* selectedForm() const { return selForm_; }
  Control* selectedControl() const { return selControl_; }
  bool formInspected() const { return selForm_ && !selControl_; }
  // The form's own rows become the inspector's; every control of it is deselected.
  void presentForm(FormDocument& form);
  // Inspects an object of a form without touching the selection marks.
  void showProperties(FormDocument& form, Control* c);

  // ---- Naming and control lists.
  // Raises ControlCounter until base + counter names no control on the screen or in its dialogs.
  std::string uniqueName(std::string_view base, const FormDocument& form);
  // "Name: Kind" entries: screen children in child order (a dialog's children before the dialog),
  // the form ("Name: Form"), then the menu bar and menus of the form window.
  std::vector<ListEntry> controlList(const FormDocument& form) const;

  // ---- The design surface.
  // A left-button release on the screen or on a dialog (target): creates the kind of the palette
  // button that is down, at the handheld point (x, y) of the target. False when nothing was created
  // (the form is then inspected, or for a dialog the selection is shown again).
  bool place(FormDocument& form, int x, int y, Control* target);
  // A press on a control: inspects it and selects it alone, or adds it (extending, Shift-click).
  void select(FormDocument& form, Control& c, bool extending);
  // The mouse on the design surface. A press with the right button alone only remembers the
  // control (its context menu follows); a press with Shift and the left button adds it.
  void pressControl(FormDocument& form, Control& c, bool rightOnly, bool shiftLeft);
  // A release on a control after a press, move or resize: a list snaps its height to whole rows
  // (measured with the control's font), and the control is inspected.
  void releaseControl(FormDocument& form, Control& c, bool rightOnly, const TextMetrics& metrics);
  // A press on the screen's background activates the form with itself as the last selection.
  void pressScreen(FormDocument& form);
  // Shows the selection: unless keepOthers, every control of the current form is deselected; the
  // inspected control is then marked, as secondary when keepOthers.
  void showSelection(bool keepOthers);
  void deselectAll(FormDocument& form);
  // Aligns or sizes the selected controls of the form after the primary selection.
  void align(FormDocument& form, AlignKind kind);
  void bringToFront();
  void sendToBack();
  // Deletes the selection (a dialog with its children); the form is inspected afterwards.
  void deleteSelected();

  // ---- Several controls at once.
  // The selection of a form: its marked controls, the inspected one first; a control inside a marked
  // dialog goes with the dialog. When the inspected control carries no mark (a menu, or one picked
  // from the inspector's list), it alone: a command never acts on marks the user does not see as
  // the selection.
  std::vector<Control*> selection(const FormDocument& form) const;
  // Selects every shown control of the screen but the dialogs, and the shown dialog's controls.
  void selectAll(FormDocument& form);
  // A rubber band over window (the screen or its shown dialog), between two corners in its pixels:
  // selects the shown controls of it, dialogs aside, that the band touches. Extending keeps the
  // selection there is. The number the band caught.
  int selectInBand(FormDocument& form, Control& window, int x0, int y0, int x1, int y1, bool extending);
  // Moves the selection by dx, dy, or (size) changes its widths and heights by them; a size never
  // goes below nothing. Menus on the form window are not moved. False when nothing was selected.
  bool nudge(FormDocument& form, int dx, int dy, bool size, const TextMetrics& metrics);

  // ---- The inspector.
  std::vector<PropertyRow> propertyRows();
  std::string valueText(std::string_view row);
  // Applies a value text to the inspected object. False when it was refused (and the user told).
  bool setValue(std::string_view row, const std::string& text);
  // What the inspector does with a typed text: only when valorOK holds is it applied.
  bool applyTyped(std::string_view row, const std::string& text);
  // The choices the inspector offers for a row of the inspected object (empty: free typing).
  std::vector<std::string> choices(std::string_view row) const;
  // The items editor's exchange: the inspected control's items, and setting them back.
  std::optional<std::vector<std::string>> items() const;
  bool setItems(const std::vector<std::string>& items);

  // ---- The control clipboard. Copy and cut give the payload text of the selection; nothing for a
  // menu, a menu bar or an inspected form.
  std::optional<std::string> copy();
  std::optional<std::string> cut();
  // Recreates the payload's controls on the current form where they were, selected; false (and the
  // user told why) when refused, and then nothing is pasted.
  bool paste(std::string_view payload);

  // ---- Shared steps of the families.
  // The dialog becomes the form's shown dialog (the previous one hidden), in front of the screen.
  void showDialog(FormDocument& form, TPTDialog& dialog);
  // The dialog is hidden, unmarked and no longer shown on the form.
  void hideDialog(FormDocument& form, TPTDialog& dialog);
  // Names a new control by the unique-name rule and adds it to the parent (nullptr: the form
  // window). On a refused name the control is dropped, msg shown, and nullptr returned.
  Control* adopt(FormDocument& form, std::unique_ptr<Control> c, std::string_view base, Control* parent,
                 const std::string& msg);
  // Gives a control its design colour, name and place and sets its starting values.
  Control* create(FormDocument& form, const KindRow& kind, int x, int y, Control* parent);

 private:
  void forget(const Control* c);
  // Marks the controls as the selection, the first as the inspected one.
  void markAll(FormDocument& form, const std::vector<Control*>& controls, bool extending);
  const RowDef* rowDef(std::string_view row) const;

  std::vector<std::unique_ptr<FormDocument>> forms_;
  FormDocument* current_ = nullptr;
  FormDocument* selForm_ = nullptr;
  Control* selControl_ = nullptr;
};

// The inspector's guard: a numeric row takes no empty text and no lone "-".
bool valorOK(std::string_view row, std::string_view text);
// The numeric rows, as the inspector keeps them.
inline constexpr const char* kNumericRows =
    "Left,Top,Width,Height,Edge,TopicWidth,VisibleItems,GroupNumber,MaxItems,SelectedItem,MaxChars";

// Selection marks: the primary or secondary colour, by whether the control lies in a dialog.
// A dialog only gets Selected.
void markSelected(Control& c, bool selected, bool secondary);
bool isDialog(const Control* c);

// Arrow-key steps: one pixel, or with Shift this many.
inline constexpr int kCoarseNudge = 8;
// The key under which consecutive nudges of the same selection merge into one undo step.
std::string nudgeKey(const std::vector<Control*>& selection, bool size);

}  // namespace tw
