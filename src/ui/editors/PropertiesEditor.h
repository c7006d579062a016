#pragma once
// "Properties Editor": the current form's controls in a sorted list, and the inspected object's
// rows in a grid whose value cells are edited in place, by a choice list laid over the cell, or in
// the items and bitmap editors.
#include <QComboBox>
#include <QPointer>
#include <QTableWidget>
#include <QWidget>
#include <string>

class QLineEdit;
class QToolButton;

namespace tw {
class Control;
class FormDocument;
}  // namespace tw

namespace tw::ui {

class MainWindow;
class ItemsEditor;
class BitmapEditor;

// A read-only text with an ellipsis button. Enter hands the focus back to the grid; Ctrl+Enter
// presses the button; other keys do nothing.
class EllipsisEdit : public QWidget {
  Q_OBJECT
 public:
  EllipsisEdit(QWidget* parent, const char* name);
  QLineEdit* text;
  QToolButton* button;
 signals:
  void ellipsis();
  void done();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
};

class PropertiesEditor : public QWidget {
  Q_OBJECT
 public:
  explicit PropertiesEditor(MainWindow& main);
  QSize sizeHint() const override { return {256, 270}; }

  // The list and the rows again from the designer; the overlay editors are hidden.
  void refresh();
  QComboBox* list() const { return cmbForms; }
  QTableWidget* grid() const { return stgProperties; }
  ItemsEditor* itemsEditor();
  BitmapEditor* bitmapEditor();
  // The row whose value cell is entered (the grid's current row), -1 when none.
  int currentRow() const { return stgProperties->currentRow(); }
  // What the grid does while a value cell's text is typed: applies it when the guard lets it through
  // (a name waits for the commit). What one visit to a cell types is one step of the form's history.
  void setEditText(int row, const QString& text);
  // A visit to a value cell begins: its editor is opened.
  void beginCellVisit(int row, QLineEdit* editor);
  // Commits and closes the cell editor that is open, if any, while its object is still inspected
  // (before a click elsewhere changes the selection).
  void commitOpenEditor();
  // Closes the open cell editor, if any, and applies nothing more from it.
  void discardOpenEditor();
  // The cell's editor is committed: a name is applied now; the cell then shows what is stored.
  void commitCell(int row, const QString& text);
  // Escape in the cell's editor: the object gets back the value the visit began with.
  void revertCell();
  // A new visit to a cell begins (its editor is opened, or a choice is picked).
  void newCellVisit() { ++cellVisit_; }

  QComboBox* cmbForms;
  QTableWidget* stgProperties;
  QComboBox* cmbBoolean;
  EllipsisEdit* cmbItems;
  EllipsisEdit* cmbBitmap;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  bool event(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void enterCell(int row);  // the editor that fits the row
  void placeOver(QWidget* editor, int row, int height);
  void hideEditors();
  void fillForms();
  void apply(const std::string& name, const std::string& typed);
  void afterChange(const std::string& row, const std::string& typed);
  void editItems();
  void editBitmap();
  std::string rowName(int row) const;

  MainWindow& main_;
  ItemsEditor* itemsEd_ = nullptr;
  BitmapEditor* bmpEd_ = nullptr;
  bool filling_ = false;
  int entered_ = -1;  // the row whose editor was last chosen
  int cellVisit_ = 0;
  bool visitCurrent() const;  // the visit's object is still the inspected one
  QPointer<QLineEdit> openEditor_;
  const FormDocument* visitForm_ = nullptr;
  const Control* visitControl_ = nullptr;
  int visitRow_ = -1;        // the row whose editor is open
  std::string visitStart_;   // its value when the editor opened
  bool lastApplied_ = true;  // the visit's last text was applied
};

}  // namespace tw::ui
