#include "PreviewWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "MainWindow.h"
#include "codegen/GenerationSettings.h"
#include "documents/PixelScale.h"
#include "graphics/Fonts.h"
#include "ini/IniFile.h"
#include "model/EditScale.h"
#include "model/FormDocument.h"
#include "model/FormPicture.h"
#include "preview/Preview.h"

namespace tw::ui {

PreviewWindow::PreviewWindow(MainWindow& main)
    : QWidget(&main, Qt::Window), main_(main), preview_(std::make_unique<Preview>(std::vector<const FormDocument*>{}, "")) {
  setObjectName("frmPreview");
  setFocusPolicy(Qt::StrongFocus);
  setScale(main.editScale());
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::start() {
  std::vector<const FormDocument*> forms;
  for (const auto& f : main_.designer().forms())
    if (f->visible) forms.push_back(f.get());
  // The first form is the one the generated program starts on; a project not yet saved has none named.
  std::string first;
  IniFile ini;
  if (!main_.projectFile().empty() && ini.load(main_.projectFile(), nullptr))
    first = readGenerationSettings(ini, "").firstForm;
  if (const FormDocument* f = pickFirstForm(forms, first)) first = f->formName;
  preview_ = std::make_unique<Preview>(forms, first);
  refresh();
}

void PreviewWindow::setScale(int scale) {
  scale_ = clampEditScale(scale);
  setFixedSize(kFaceWidth * scale_, kFaceHeight * scale_);
  update();
}

void PreviewWindow::refresh() {
  preview_->paint(picture_, handheldFonts());
  const std::string name = preview_->formName();
  const std::string dialog = preview_->dialogName();
  setWindowTitle(QString::fromStdString("Preview" + (name.empty() ? "" : " - " + name) +
                                        (dialog.empty() ? "" : " (" + dialog + ")")));
  update();
}

QPoint PreviewWindow::handheld(const QPointF& p) const { return PixelScale{scale_}.toHandheld(p); }

void PreviewWindow::paintEvent(QPaintEvent*) {
  // Canvas pixels are 0x00BBGGRR words: bytes R, G, B, 0 in memory, which is RGBX8888.
  const QImage image(reinterpret_cast<const uchar*>(picture_.data()), picture_.width(), picture_.height(),
                     qsizetype(picture_.width()) * 4, QImage::Format_RGBX8888);
  QPainter painter(this);
  painter.drawImage(QRect(0, 0, picture_.width() * scale_, picture_.height() * scale_), image);
}

void PreviewWindow::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint p = handheld(e->position());
  preview_->tap(p.x(), p.y());
  refresh();
}

void PreviewWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint p = handheld(e->position());
  preview_->release(p.x(), p.y());
  refresh();
}

void PreviewWindow::wheelEvent(QWheelEvent* e) {
  const int steps = e->angleDelta().y() / 120;
  if (steps == 0) return;
  preview_->scroll(-steps);
  refresh();
}

void PreviewWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Backspace) {
    preview_->key("\b");
  } else if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
    preview_->scroll(e->key() == Qt::Key_Up ? -1 : 1);
  } else if (e->key() == Qt::Key_Home) {
    preview_->home();
  } else if (!e->text().isEmpty()) {
    preview_->key(e->text().toStdString());
  } else {
    return QWidget::keyPressEvent(e);
  }
  refresh();
}

// One preview window; each opening takes the forms as they are now.
void MainWindow::showPreview() {
  auto* window = findChild<PreviewWindow*>("frmPreview");
  if (!window) window = new PreviewWindow(*this);
  window->setScale(editScale_);  // the form windows' zoom
  window->start();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace tw::ui
