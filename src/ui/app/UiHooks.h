#pragma once
// Where the windows ask the user something: message boxes, file dialogs and modal dialogs. Tests
// set the hooks to answer in place of the user; with no hook the real box or dialog runs.
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "model/Messages.h"
#include "model/Shell.h"

class QDialog;
class QWidget;

namespace tw::ui {

struct UiHooks {
  // Answers a message box.
  static inline std::function<MsgButton(const Message&)> message;
  // Answers a file dialog: the chosen path, or nothing for Cancel.
  static inline std::function<std::optional<std::string>(const FileDialogInfo&, bool save, const std::string& initial)>
      fileDialog;
  // Runs a modal dialog in place of exec(): sets its widgets and returns QDialog::Accepted or Rejected.
  static inline std::function<int(QDialog&)> modal;
};

// Core's messages shown as message boxes with their caption, text, icon, buttons and default button.
class UiMessages : public Messages {
 public:
  explicit UiMessages(QWidget* parent) : parent_(parent) {}
  MsgButton show(const Message& m) override;
  std::function<void(bool)> onModal;  // told when a box opens (true) and closes (false)

 private:
  QWidget* parent_;
};

// A file dialog for a command; nothing when cancelled. The chosen name gets the default extension.
std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogInfo& dialog, bool save,
                                         const std::string& initial);
// exec() of a modal dialog, or the test hook.
int runModal(QDialog& dialog);

QString qs(const std::string& s);
std::string ss(const QString& s);

}  // namespace tw::ui
