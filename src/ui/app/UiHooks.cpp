#include "UiHooks.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "model/Landing.h"

namespace tw::ui {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string ss(const QString& s) { return s.toUtf8().toStdString(); }

MsgButton UiMessages::show(const Message& m) {
  if (inputDepth_ == 0) return showNow(m);
  if (m.buttons != kOk) {
    qWarning("A question was asked inside an input handler and answered with its default: %s", m.text.c_str());
    return m.defaultButton;
  }
  if (waiting_.empty()) QTimer::singleShot(0, parent_, [this] { showWaiting(); });
  waiting_.push_back(m);
  return kOk;
}

void UiMessages::showWaiting() {
  // A box shown here may let more messages be raised; they wait for the next turn.
  std::vector<Message> now;
  now.swap(waiting_);
  for (const Message& m : now) showNow(m);
}

MsgButton UiMessages::showNow(const Message& m) {
  QMessageBox box(parent_);
  box.setWindowTitle(qs(m.caption));
  box.setText(qs(m.text));
  switch (m.icon) {
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  struct Pair {
    MsgButton ours;
    QMessageBox::StandardButton qt;
  };
  const Pair pairs[] = {{kOk, QMessageBox::Ok}, {kYes, QMessageBox::Yes}, {kNo, QMessageBox::No},
                        {kCancel, QMessageBox::Cancel}};
  for (const auto& p : pairs)
    if (m.buttons & p.ours) box.addButton(p.qt);
  for (const auto& p : pairs)
    if (m.defaultButton == p.ours) box.setDefaultButton(p.qt);
  if (m.buttons & kCancel) box.setEscapeButton(QMessageBox::Cancel);
  if (onModal) onModal(true);
  box.exec();
  if (onModal) onModal(false);
  auto* clicked = box.clickedButton();
  for (const auto& p : pairs)
    if (clicked && box.standardButton(clicked) == p.qt) return p.ours;
  return (m.buttons & kCancel) ? kCancel : (m.buttons & kNo) ? kNo : kOk;
}

std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogInfo& dialog, bool save,
                                         const std::string& initial) {
  std::optional<std::string> chosen;
  const std::string start = dialogStart(initial, DialogFolders::projectFile ? DialogFolders::projectFile() : "",
                                        DialogFolders::lastChosen, ss(QDir::homePath()));
  if (UiHooks::fileDialog) {
    chosen = UiHooks::fileDialog(dialog, save, start);
  } else {
    QFileDialog dlg(parent, QString::fromUtf8(dialog.title), qs(start),
                    QString::fromUtf8(dialog.filterName));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QString::fromUtf8(dialog.defaultExt));
    // The replace question is the command's own, with its own caption.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()) chosen = ss(dlg.selectedFiles().front());
  }
  if (!chosen || chosen->empty()) return std::nullopt;
  DialogFolders::lastChosen = *chosen;
  return withDefaultExtension(*chosen, dialog);
}

}  // namespace tw::ui
