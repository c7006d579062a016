#pragma once
// The main window's small dialogs: the new-project dialog, the options dialog and the about box.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace tw {
class IniFile;
}

namespace tw::ui {

// "New project": the control library of the project to create.
class NewProjectDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NewProjectDialog(QWidget* parent);
  // Shows the dialog with the current library chosen; on OK, library is the chosen one.
  bool ask(int& library);
  QComboBox* cmbLib;
};

// "Options": the design colour choice and the CControls path, kept in options.ini.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(QWidget* parent, IniFile& options, std::string optionsPath);
  // Shows the stored values; OK writes them back and flushes the file.
  bool run();
  QTabWidget* pages;
  QRadioButton* rbtGreen;
  QRadioButton* rbtWhite;
  QLineEdit* fedCControls;

 private:
  IniFile& options_;
  std::string path_;
};

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
};

}  // namespace tw::ui
