#pragma once
// Where the windows ask the user something: message boxes, file dialogs and modal dialogs. Boxes and
// dialogs are always the real ones (tests answer them as a user would); only the file dialog has a
// hook, for the start-up option that saves without asking and for tests.
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Messages.h"
#include "model/Shell.h"

class QWidget;

namespace tw::ui {

struct UiHooks {
  // Answers a file dialog: the chosen path, or nothing for Cancel.
  static inline std::function<std::optional<std::string>(const FileDialogInfo&, bool save, const std::string& initial)>
      fileDialog;
};

// Where file dialogs start (see dialogStart): the main window tells its project's file; the file
// last chosen in any dialog is kept here.
struct DialogFolders {
  static inline std::function<std::string()> projectFile;
  static inline std::string lastChosen;
};

// Core's messages shown as message boxes with their caption, text, icon, buttons and default button.
//
// A box must never open inside a widget's own input handler or signal (a key press, a click, a text
// edited): its event loop lets the widget be hidden and deleted under the handler, which then goes
// on in freed memory. Code that runs there holds an InputScope; the messages with an OK button alone
// that it raises wait, in order, until the event has returned to the main loop. Asking a question
// there is a fault of the caller: it gets the default button and the question is logged.
class UiMessages : public Messages {
 public:
  explicit UiMessages(QWidget* parent) : parent_(parent) {}
  MsgButton show(const Message& m) override;
  std::function<void(bool)> onModal;  // told when a box opens (true) and closes (false)

  class InputScope {
   public:
    explicit InputScope(UiMessages& m) : m_(m) { ++m_.inputDepth_; }
    ~InputScope() { --m_.inputDepth_; }
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;

   private:
    UiMessages& m_;
  };
  // Messages waiting for their input event to return.
  bool waiting() const { return !waiting_.empty(); }

 private:
  MsgButton showNow(const Message& m);
  void showWaiting();

  QWidget* parent_;
  int inputDepth_ = 0;
  std::vector<Message> waiting_;
};

// A file dialog for a command; nothing when cancelled. The chosen name gets the default extension.
std::optional<std::string> runFileDialog(QWidget* parent, const FileDialogInfo& dialog, bool save,
                                         const std::string& initial);

QString qs(const std::string& s);
std::string ss(const QString& s);

}  // namespace tw::ui
