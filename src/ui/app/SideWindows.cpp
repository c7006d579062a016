#include "SideWindows.h"

#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMdiArea>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "MainWindow.h"
#include "documents/FormImage.h"
#include "documents/FormWindow.h"

namespace tw::ui {

ZoomWindow::ZoomWindow(MainWindow& main) : main_(main) {
  setObjectName("frmZoom");
  setFixedSize(334, 452);
  setCursor(Qt::ForbiddenCursor);
}

void ZoomWindow::refresh() {
  if (held || !isVisible()) return;
  FormDocument* form = main_.designer().currentForm();
  FormWindow* w = form ? main_.windowOf(form) : nullptr;
  // A form that is not shown in full keeps the last picture.
  if (!w || !w->isVisible() || !main_.workArea()->viewport()->rect().contains(w->geometry())) return;
  image_ = w->view()->picture();
  update();
}

void ZoomWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (image_.isNull()) return;
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(QRect(0, 0, image_.width() * 2, image_.height() * 2), image_);
}

HelpWindow::HelpWindow(const QString& helpFile) {
  setObjectName("HelpWindow");
  setWindowTitle("Tarnowick Help");
  resize(560, 480);
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  lay->addWidget(browser_);
  QFile f(helpFile);
  if (f.open(QIODevice::ReadOnly))
    browser_->setHtml(QString::fromUtf8(f.readAll()));
  else
    browser_->setPlainText("The help file " + helpFile + " was not found.");
}

void HelpWindow::showTopic(int topic) {
  topic_ = topic;
  browser_->scrollToAnchor(topic == 0 ? QString("contents") : QString("topic%1").arg(topic));
  show();
  raise();
  activateWindow();
}

}  // namespace tw::ui
