#pragma once
// The magnifier of the work area and the help window.
#include <QImage>
#include <QWidget>

class QTextBrowser;

namespace tw::ui {

class MainWindow;

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
  int topic() const { return topic_; }  // the topic last shown
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  int topic_ = 0;
};

}  // namespace tw::ui
