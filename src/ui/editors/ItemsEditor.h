#pragma once
// "Items editor": a control's list of items as plain text, one item per line.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tw::ui {

class TfrmItemsEd : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmItemsEd(QWidget* parent);
  // Shows the items one per line; on OK, items holds the edited lines and true is returned.
  bool edit(std::vector<std::string>& items);

  QLabel* lblLineas;        // "3 items"
  QPlainTextEdit* memItems;
  QPushButton* BitBtn1;     // Cancel
  QPushButton* BitBtn2;     // OK

 protected:
  void showEvent(QShowEvent*) override;
};

}  // namespace tw::ui
