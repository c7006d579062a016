#pragma once
// A designer as the windows drive it, with recorded message boxes.
#include <string>

#include "model/Designer.h"

namespace tw {

struct DesignSession {
  RecordingMessages msgs;
  Designer d;
  explicit DesignSession(int library) : d(msgs, library) {}

  FormDocument& form() { return *d.currentForm(); }

  // Presses a palette tool and releases the mouse on the target (the screen when null).
  Control* place(Tool tool, int x, int y, Control* target = nullptr) {
    d.tool = tool;
    return d.place(form(), x, y, target) ? d.selectedControl() : nullptr;
  }
  Control* find(const std::string& name) { return form().findComponent(name); }
  void click(Control* c) { d.select(form(), *c, false); }
  void shiftClick(Control* c) { d.select(form(), *c, true); }

  // The inspector's rows of the inspected object as "Row=Text" joined by "; ".
  std::string rows() {
    std::string out;
    for (const auto& r : d.propertyRows()) out += (out.empty() ? "" : "; ") + r.name + "=" + r.text;
    return out;
  }
  std::string list() {
    std::string out;
    for (const auto& e : d.controlList(form())) out += (out.empty() ? "" : ", ") + e.text;
    return out;
  }
  std::string lastMessage() const { return msgs.shown.empty() ? "" : msgs.shown.back().text; }

  // A control's bounds, its handheld rectangle, and what the designer marks on it.
  static std::string state(const Control& c) {
    auto n = [](long long v) { return std::to_string(v); };
    const std::string mark = !c.selected                      ? ""
                             : c.selectColor == kSelectBlue   ? " selected"
                             : c.selectColor == kSelectNavy   ? " selected navy"
                             : c.selectColor == kSelectRed    ? " selected red"
                             : c.selectColor == kSelectMaroon ? " selected maroon"
                                                              : " selected in " + n(c.selectColor);
    return c.name() + " " + n(c.left()) + "," + n(c.top()) + " " + n(c.width()) + "x" + n(c.height()) + " user " +
           n(c.userLeft()) + "," + n(c.userTop()) + " " + n(c.userWidth()) + "x" + n(c.userHeight()) +
           (c.visible ? "" : " hidden") + (c.tag ? " tag " + n(c.tag) : "") + mark;
  }
  // Every control of the form, one a line.
  std::string layout() {
    std::string out;
    form().forEachControl([&](const Control& c) { out += state(c) + "\n"; });
    return out;
  }

  // Places a control as place() does and tells what came of it: its name or nothing and the message,
  // a tool left down, the form inspected, and the control list after.
  std::string put(Tool tool, int x, int y, Control* target = nullptr) {
    const size_t told = msgs.shown.size();
    Control* c = place(tool, x, y, target);
    std::string out = c ? c->name() : "nothing";
    if (msgs.shown.size() > told) out += " '" + msgs.shown.back().caption + ": " + lastMessage() + "'";
    if (d.tool != Tool::None) out += ", tool " + std::to_string(int(d.tool)) + " still down";
    if (d.formInspected()) out += ", the form inspected";
    return out + " -> " + list() + "\n";
  }

  // Gives rows of the inspected object texts, each as a choice (whole) or as typed keystrokes, and
  // tells for each what came of it: the message if any, the rows and the state of what is inspected.
  std::string type(std::initializer_list<std::pair<const char*, const char*>> steps, bool whole = true) {
    std::string out;
    for (const auto& [row, text] : steps) {
      const size_t told = msgs.shown.size();
      const bool ok = whole ? d.setValue(row, text) : d.applyTyped(row, text);
      out += std::string(row) + "=" + text + (ok ? " taken" : " refused");
      if (msgs.shown.size() > told) out += " '" + msgs.shown.back().caption + ": " + lastMessage() + "'";
      out += " -> " + rows();  // showing the rows may correct what they show
      out += (d.selectedControl() ? " | " + state(*d.selectedControl()) : "") + "\n";
    }
    return out;
  }
};

// A session holding a new form, Form1, as the current one.
struct FormSession : DesignSession {
  explicit FormSession(int library) : DesignSession(library) { d.newForm(); }
};

}  // namespace tw
