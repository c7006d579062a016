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

InspectorWindow::InspectorWindow(MainWindow& main) : main_(main) {
  setObjectName("frmProp");
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  list_ = new QListWidget(this);
  list_->setObjectName("lstControls");
  grid_ = new QTableWidget(0, 2, this);
  grid_->setObjectName("stgProperties");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->setDefaultSectionSize(18);
  list_->setMaximumHeight(110);
  lay->addWidget(list_);
  lay->addWidget(grid_);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    FormDocument* form = main_.designer().currentForm();
    if (!form) return;
    auto entries = main_.designer().controlList(*form);
    if (row >= int(entries.size())) return;
    if (entries[size_t(row)].control)
      main_.designer().select(*form, *entries[size_t(row)].control, false);
    else
      main_.designer().presentForm(*form);
    main_.changed();
  });
}

void InspectorWindow::refresh() {
  filling_ = true;
  Designer& d = main_.designer();
  list_->clear();
  grid_->setRowCount(0);
  if (FormDocument* form = d.currentForm()) {
    int current = -1;
    auto entries = d.controlList(*form);
    for (size_t i = 0; i < entries.size(); ++i) {
      list_->addItem(qs(entries[i].text));
      bool inspected = d.selectedForm() == form && entries[i].control == d.selectedControl();
      if (inspected) current = int(i);
    }
    list_->setCurrentRow(current);
    if (d.selectedForm()) {
      auto rows = d.propertyRows();
      grid_->setRowCount(int(rows.size()));
      for (size_t i = 0; i < rows.size(); ++i) {
        grid_->setItem(int(i), 0, new QTableWidgetItem(qs(rows[i].name)));
        grid_->setItem(int(i), 1, new QTableWidgetItem(qs(rows[i].text)));
      }
    }
  }
  filling_ = false;
}

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
  browser_->scrollToAnchor(topic == 0 ? QString("contents") : QString("topic%1").arg(topic));
  show();
  raise();
  activateWindow();
}

}  // namespace tw::ui
