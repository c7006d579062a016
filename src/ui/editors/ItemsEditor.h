#pragma once
// "Items editor": a control's list of items as plain text, one item per line.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tw::ui {

class UiMessages;

class ItemsEditor : public QDialog {
  Q_OBJECT
 public:
  ItemsEditor(QWidget* parent, UiMessages& messages);
  // Shows the items one per line; on OK, items holds the edited lines and true is returned. OK on
  // a line that a form file cannot keep says why and keeps the dialog open with that line selected.
  bool edit(std::vector<std::string>& items);

  QLabel* lblLineas;        // "3 items"
  QPlainTextEdit* memItems;
  QPushButton* BitBtn1;     // Cancel
  QPushButton* BitBtn2;     // OK

 protected:
  void showEvent(QShowEvent*) override;

 private:
  void okClicked();
  UiMessages& messages_;
};

}  // namespace tw::ui
