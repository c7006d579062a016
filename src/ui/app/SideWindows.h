#pragma once
// The tool windows of the work area (the property inspector and the magnifier) and the help window.
#include <QImage>
#include <QWidget>

class QListWidget;
class QTableWidget;
class QTextBrowser;

namespace tw::ui {

class MainWindow;

// The property inspector: the current form's control list and the inspected object's rows.
// Its rows are shown read-only here.
class InspectorWindow : public QWidget {
  Q_OBJECT
 public:
  explicit InspectorWindow(MainWindow& main);
  void refresh();  // list and rows from core
  QListWidget* list() const { return list_; }
  QTableWidget* grid() const { return grid_; }

 private:
  MainWindow& main_;
  QListWidget* list_;
  QTableWidget* grid_;
  bool filling_ = false;
};

// "Zoom 2x": the current form's picture at twice its size, pixel for pixel.
class ZoomWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ZoomWindow(MainWindow& main);
  QSize sizeHint() const override { return {334, 452}; }
  // Takes the current form's picture again (nothing while a modal dialog is open).
  void refresh();
  int held = 0;  // open modal dialogs; no refresh while any is open
  const QImage& shown() const { return image_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  MainWindow& main_;
  QImage image_;
};

// The help file's topics: the contents or one topic.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(const QString& helpFile);
  void showTopic(int topic);  // 0: the contents
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tw::ui
