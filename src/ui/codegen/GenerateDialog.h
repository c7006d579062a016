#pragma once
// The generate-code window: the output folder, the first form, the target, the handheld
// application's settings and icons; Generate fills four editable panes through core's generators
// and Save writes them with the icons into the output folder, as `tarnowick generate` does.
#include <QDialog>
#include <QLabel>
#include <array>
#include <string>

#include "codegen/Generate.h"
#include "codegen/GenerationSettings.h"
#include "codegen/OutputFolder.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace tw::ui {

class MainWindow;

// One icon slot: a picture the user clicks to choose a bitmap.
class IconSlotView : public QLabel {
  Q_OBJECT
 public:
  IconSlotView(size_t slot, QWidget* parent);
  size_t slot() const { return slot_; }
  // The slot's picture as shown, at its own size.
  const QImage& picture() const { return picture_; }
  void setPicture(const QImage& picture);

 signals:
  void clicked(size_t slot);

 protected:
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  size_t slot_;
  QImage picture_;
};

class GenerateDialog : public QDialog {
  Q_OBJECT
 public:
  explicit GenerateDialog(MainWindow& main);

  // Prepares the window for the open project (as each showing does), then shows it maximized and modal.
  void run();
  // What each showing does: empties the panes, lists the open forms, reads the project's settings.
  void prepare();

  // ---- The buttons.
  void generate();
  void save();
  void chooseIcon(size_t slot);
  void browseOutput();
  void copyPane(int page);

  // The chosen picture of each slot (empty: the slot's default picture).
  const std::array<std::string, kIconSlotCount>& iconPaths() const { return iconPaths_; }

  QLineEdit* dedOutput;
  QToolButton* butOutputBrowse;
  QComboBox* cmbForms;
  QRadioButton* rbtPDE;
  QRadioButton* rbtMemos;
  QGroupBox* grpPrcProp;
  QLineEdit* edtCID;
  QLineEdit* edtAppName;
  QLineEdit* edtAppDB;
  QLineEdit* edtVersion;
  std::array<IconSlotView*, kIconSlotCount> icons{};
  QPushButton* butGenerar;
  QPushButton* butSave;
  QPushButton* butSalir;
  QTabWidget* pagGenerate;
  std::array<QPlainTextEdit*, 4> panes{};      // memMain, memForms, memEvents, memHeader
  std::array<QPushButton*, 4> copyButtons{};   // butCopyMain, butCopyF, butCopyE, butCopyH
  std::array<QLabel*, 4> lineCounters{};
  std::array<QLabel*, 4> charCounters{};

 protected:
  void keyPressEvent(QKeyEvent*) override;

 private:
  void clearPanes();
  void targetChanged();
  void countPane(int page);
  void showIcon(size_t slot);
  std::vector<const FormDocument*> openForms() const;
  GenerationSettings settingsFromFields() const;
  ReplaceAnswer askMerge(const std::string& path);  // Merge, Replace, Keep or Cancel for an edited file

  MainWindow& main_;
  std::array<std::string, kIconSlotCount> iconPaths_;
  std::array<QString, 4> counted_;  // each pane's text when its counters were last set
  std::string shownFor_;  // the project file of the last showing
};

}  // namespace tw::ui
