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
};

// A session holding a new form, Form1, as the current one.
struct FormSession : DesignSession {
  explicit FormSession(int library) : DesignSession(library) { d.newForm(); }
};

}  // namespace tw
