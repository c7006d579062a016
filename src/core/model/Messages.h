#pragma once
// How the designer's rules talk to the user: message boxes with a caption, a text, an icon and
// buttons. The ui shows them as message boxes; tests record them and give the answers.
#include <deque>
#include <string>
#include <vector>

namespace tw {

enum class MsgIcon : unsigned char { Error, Warning, Information, Question };
enum MsgButton : unsigned { kOk = 1, kYes = 2, kNo = 4, kCancel = 8 };

struct Message {
  MsgIcon icon = MsgIcon::Error;
  std::string caption;
  std::string text;
  unsigned buttons = kOk;      // a set of MsgButton
  MsgButton defaultButton = kOk;
};

class Messages {
 public:
  virtual ~Messages() = default;
  // Shows the message and returns the button the user chose.
  virtual MsgButton show(const Message& m) = 0;

  void error(std::string text) { show({MsgIcon::Error, "Error", std::move(text), kOk, kOk}); }
  void warning(std::string text) { show({MsgIcon::Warning, "Warning", std::move(text), kOk, kOk}); }
  void information(std::string text) { show({MsgIcon::Information, "Information", std::move(text), kOk, kOk}); }
  MsgButton question(std::string caption, std::string text, unsigned buttons, MsgButton def) {
    return show({MsgIcon::Question, std::move(caption), std::move(text), buttons, def});
  }
};

// Keeps every message and answers from a queue (the default button once the queue is empty).
class RecordingMessages : public Messages {
 public:
  std::vector<Message> shown;
  std::deque<MsgButton> answers;

  MsgButton show(const Message& m) override {
    shown.push_back(m);
    if (answers.empty()) return m.defaultButton;
    MsgButton b = answers.front();
    answers.pop_front();
    return b;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown) out.push_back(m.text);
    return out;
  }
  void clear() { shown.clear(); }
};

}  // namespace tw
