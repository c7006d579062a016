#pragma once
// A designer as the windows drive it, with recorded message boxes.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "TestFiles.h"
#include "graphics/TextMetrics.h"
#include "ini/IniFile.h"
#include "model/Designer.h"
#include "model/FormFile.h"
#include "model/ControlStream.h"
#include "model/History.h"
#include "model/PTDialog.h"
#include "model/SnapToGrid.h"

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
    std::string out, file;
    for (const auto& r : d.propertyRows()) out += (out.empty() ? "" : "; ") + r.name + "=" + r.text;
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
};

// A session holding a new form, Form1, as the current one.
struct FormSession : DesignSession {
  explicit FormSession(int library) : DesignSession(library) { d.newForm(); }
};

// Handheld-like metrics: every line 11 pixels high, every character 5 wide.
struct FixedMetrics : TextMetrics {
  int textWidth(const Font&, std::string_view text) const override { return 5 * int(text.size()); }
  int textHeight(const Font&, std::string_view) const override { return 11; }
};

// Runs a design script as the windows would drive the designer, one action a line, and gives its
// transcript: each action followed by what came of it, indented by two spaces (lines so indented in
// the script are a former transcript's and are skipped). Blank lines and '#' lines are kept as they
// are. After every action the inspector, the marks and the control list point only at live controls;
// a refusal, a message shown and a tool left down are always told.
//
// Actions, each the real call: session CControls|PToolbox|N [without a form], new form, open (the
// form file of the "| " lines before), activate FORM, close FORM, place TOOL X Y [in DIALOG], click,
// shift-click, press, shift-press, right-press, release, right-release CONTROL, background,
// inspect CONTROL|form, set ROW TEXT (a choice), type ROW TEXT (a keystroke), items A B C, align
// KIND, front, back, delete, select-all, [shift-]band X0 Y0 X1 Y1 [in DIALOG], copy|cut [as NAME],
// nudge|nudge-size DX DY, paint, paste [from NAME | TEXT], paste-more TEXT (the clipboard and a part after it), step NAME [key K],
// commit, cancel, undo, redo, undo-and-redo-all (checks every recorded step's whole state both ways).
// What the mouse or a file may leave, past the designer's rules: move CONTROL DX DY, left|top|width|
// height CONTROL N, hide|unhide CONTROL, mark CONTROL (a stale navy mark), store CONTROL PROPERTY
// VALUE, write CONTROL as NAME (its payload), counter [N]. What to tell: layout, list, rows, value
// ROW, choices ROW, status, history, selection, order screen|window|CONTROL, clipboard, hit X Y [in
// DIALOG] (what the mover finds there); "watch" tells the rows after every set and type.
// Texts take "\n", "\r" and "\xHH".
struct DesignScript {
  std::unique_ptr<DesignSession> s;
  std::map<std::string, std::string> clips;  // the clipboard, and payloads kept under names
  std::vector<std::string> states, steps;  // the state after each recorded step, the first before any
  std::string out, file;

  bool watch = false;  // whether every set and type shows the rows and the inspected control after it

  void say(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    out += "  " + (text.empty() ? "(none)" : text) + "\n";
  }
  void watching() {
    if (!watch) return;
    say(s->rows());
    if (s->d.selectedControl()) say(DesignSession::state(*s->d.selectedControl()));
  }
  FormDocument& form() {
    if (!s || !s->d.currentForm()) throw std::string("no current form");
    return s->form();
  }
  // The control so named on the current form, else on another.
  Control* control(const std::string& name) {
    if (Control* c = form().findComponent(name)) return c;
    for (const auto& f : s->d.forms())
      if (Control* c = f->findComponent(name)) return c;
    throw "no control " + name;
  }
  FormDocument& formOf(const Control* c) {
    for (const auto& f : s->d.forms())
      if (f->findComponent(c->name()) == c) return *f;
    throw "no form holds " + c->name();
  }
  FormDocument& formNamed(const std::string& name) {
    for (const auto& f : s->d.forms())
      if (f->formName == name) return *f;
    throw "no form " + name;
  }
  static Tool tool(const std::string& w) {
    if (w == "None") return Tool::None;
#define TW_TOOL(id, hint) \
  if (w == #id) return Tool::id;
#include "Tools.def"
#undef TW_TOOL
    throw "no tool " + w;
  }
  // A script's text with "\n", "\r", "\xHH" and a doubled backslash read as the bytes they stand for.
  static std::string unescape(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\\' || i + 1 == text.size()) bytes += text[i];
      else if (text[++i] == 'n' || text[i] == 'r') bytes += text[i] == 'n' ? '\n' : '\r';
      else if (text[i] == 'x') bytes += char(std::stoi(text.substr(i + 1, 2), nullptr, 16)), i += 2;
      else bytes += text[i];
    }
    return bytes;
  }
  static std::string nameOf(const Control* c) { return c ? c->name() : "-"; }
  std::string layout() {
    std::string text;
    form().forEachControl([&](const Control& c) {
      text += "  " + DesignSession::state(c) + (c.visible && !c.shown() ? " unseen" : "") +
              (isDialog(c.parent()) ? " in " + c.parent()->name() : "") + "\n";
    });
    return text;
  }
  // The form file, plus what the file does not keep: visibility, marks, the shown dialog, the last
  // selection and the inspected object.
  std::string fullState() {
    return formToIni(form()).serialize() + layout() + "shown dialog " + nameOf(form().shownDialog) + ", last " +
           nameOf(form().lastSelected) + ", inspecting " +
           (s->d.selectedForm() == &form() ? nameOf(s->d.selectedControl()) : "elsewhere") + "\n";
  }
  void checkLive() {
    auto live = [](const FormDocument& f, const Control* c) {
      bool found = !c;
      f.forEachControl([&](const Control& k) { found |= &k == c; });
      return found;
    };
    bool ok = true;
    for (const auto& f : s->d.forms()) ok &= live(*f, f->lastSelected) && live(*f, f->shownDialog);
    if (s->d.selectedForm()) ok &= live(*s->d.selectedForm(), s->d.selectedControl());
    if (s->d.currentForm())
      for (const auto& e : s->d.controlList(s->form())) ok &= live(s->form(), e.control);
    if (!ok) say("holds a control that is gone");
  }

  // Undoes every recorded step and redoes them all, checking the whole state at each.
  void undoAndRedoAll() {
    History& h = form().history();
    EXPECT_EQ(h.undoCount(), steps.size());
    for (size_t i = steps.size(); i-- > 0;) {
      EXPECT_EQ(h.undoName(), steps[i]);
      EXPECT_TRUE(undo(s->d, form()));
      EXPECT_EQ(fullState(), states[i]) << "undo " << steps[i];
      EXPECT_EQ(h.redoName(), steps[i]);
      checkLive();
    }
    EXPECT_FALSE(undo(s->d, form()));
    for (size_t i = 0; i < steps.size(); ++i) {
      EXPECT_TRUE(redo(s->d, form()));
      EXPECT_EQ(fullState(), states[i + 1]) << "redo " << steps[i];
      checkLive();
    }
    EXPECT_FALSE(redo(s->d, form()));
  }

  void perform(const std::string& line) {
    std::istringstream in(line);
    auto word = [&] {
      std::string w;
      in >> w;
      return w;
    };
    auto num = [&] { return std::stoi(word()); };
    auto rest = [&] {
      std::string r;
      std::getline(in >> std::ws, r);
      return r;
    };
    auto refusedIf = [&](bool refused, const char* why = "refused") {
      if (refused) say(why);
    };
    const std::string verb = word();
    if (verb == "session") {
      const std::string lib = word();  // "session PToolbox", or "session CControls without a form"
      const int n = lib == "CControls" ? kLibCControls : lib == "PToolbox" ? kLibPToolbox : std::stoi(lib);
      s = word() == "without" ? std::make_unique<DesignSession>(n) : std::make_unique<FormSession>(n);
      states = {s->d.currentForm() ? fullState() : ""}, steps.clear();
      return;
    }
    if (verb == "watch") return void(watch = true);
    if (!s) throw std::string("no session");
    Designer& d = s->d;
    const size_t told = s->msgs.shown.size();
    if (verb == "new") d.newForm();
    else if (verb == "open") {  // the form file given by the "| " lines before
      IniFile ini;
      ini.parse(file);
      auto f = std::make_unique<FormDocument>(d.library, ini.readString("FORM", "Name", ""));
      loadForm(*f, ini, kWhite, nullptr);
      d.addForm(std::move(f));
    } else if (verb == "counter") {  // "counter" tells the naming counter, "counter N" sets it
      const std::string n = word();
      n.empty() ? say(std::to_string(d.controlCounter)) : void(d.controlCounter = std::stoi(n));
    }
    else if (verb == "activate") d.activate(formNamed(word()));
    else if (verb == "close") d.hideForm(formNamed(word()));
    else if (verb == "place") {
      const Tool t = tool(word());
      const int x = num(), y = num();
      Control* c = s->place(t, x, y, word() == "in" ? control(word()) : nullptr);
      say(c ? c->name() : "nothing");
      if (d.tool != Tool::None) say("the tool stays down");
    } else if (verb == "click" || verb == "shift-click") d.select(form(), *control(word()), verb != "click");
    else if (verb == "press" || verb == "shift-press" || verb == "right-press") {
      Control* c = control(word());
      d.pressControl(formOf(c), *c, verb == "right-press", verb == "shift-press");
    } else if (verb == "release" || verb == "right-release") {
      Control* c = control(word());
      d.releaseControl(formOf(c), *c, verb == "right-release", FixedMetrics());
    }
    else if (verb == "background") d.pressScreen(form());
    else if (verb == "paint") form().applyPaintRules(FixedMetrics());  // what a painting changes
    else if (verb == "nudge" || verb == "nudge-size") {  // the arrow keys, with Ctrl for a size
      const int dx = num(), dy = num();
      refusedIf(!d.nudge(form(), dx, dy, verb == "nudge-size", FixedMetrics()), "nothing to nudge");
    }
    else if (verb == "move") {
      Control* c = control(word());
      c->setLeft(c->left() + num());
      c->setTop(c->top() + num());
    } else if (verb == "left" || verb == "top" || verb == "width" || verb == "height") {  // as a mouse sets it
      Control* c = control(word());
      const int v = num();
      verb == "left" ? c->setLeft(v) : verb == "top" ? c->setTop(v) : verb == "width" ? c->setWidth(v) : c->setHeight(v);
    } else if (verb == "hide" || verb == "unhide") control(word())->visible = verb == "unhide";
    else if (verb == "mark") {  // a mark left over, as a window might leave one
      Control* c = control(word());
      c->selected = true, c->selectColor = kSelectNavy;
    } else if (verb == "store") {  // a value as a file or the mouse may leave it, past the inspector's rules
      Control* c = control(word());
      const PropInfo* p = c->property(word());
      const std::string v = unescape(rest());
      if (!p) throw std::string("no such property");
      if (p->type == PropType::String) p->set(*c, PropValue(v));
      else if (p->type != PropType::Font) p->set(*c, PropValue(std::stoll(v)));
      else {
        Font f = std::get<Font>(p->get(*c));
        f.name = v;
        p->set(*c, PropValue(f));
      }
    } else if (verb == "align") {
      const std::string kind = word();
      for (int k = 0; k <= int(AlignKind::Height); ++k)
        if (kind == alignKindName(AlignKind(k))) d.align(form(), AlignKind(k));
    } else if (verb == "front") d.bringToFront();
    else if (verb == "back") d.sendToBack();
    else if (verb == "delete") d.deleteSelected();
    else if (verb == "select-all") d.selectAll(form());
    else if (verb == "band" || verb == "shift-band") {
      const int x0 = num(), y0 = num(), x1 = num(), y1 = num();
      Control& window = word() == "in" ? *control(word()) : form().screen();
      say(std::to_string(d.selectInBand(form(), window, x0, y0, x1, y1, verb == "shift-band")) + " caught");
    } else if (verb == "copy" || verb == "cut") {  // "copy", or "copy as NAME" to paste it later by name
      auto payload = verb == "copy" ? d.copy() : d.cut();
      if (payload) clips[word() == "as" ? word() : ""] = *payload;
      refusedIf(!payload, "nothing taken");
    } else if (verb == "write") {  // "write Menu1 as NAME": a control's payload as no copy would give it
      Control* c = control(word());
      word();
      clips[word()] = writeControlPayload(*c, "Copiado");
    } else if (verb == "paste") {  // "paste", "paste from NAME", or "paste TEXT"
      const std::string r = rest();
      refusedIf(!d.paste(r.empty() ? clips[""] : r.rfind("from ", 0) == 0 ? clips[r.substr(5)] : unescape(r)));
    } else if (verb == "paste-more") refusedIf(!d.paste(clips[""] + unescape(rest())));  // with a part after
    else if (verb == "clipboard") {
      std::istringstream lines(clips[""]);
      for (std::string l; std::getline(lines, l);) say(l);
    }
    else if (verb == "inspect") {
      const std::string w = word();
      w == "form" ? d.presentForm(form()) : d.showProperties(form(), control(w));
    } else if (verb == "set") {
      const std::string row = word();
      refusedIf(!d.setValue(row, unescape(rest())));
      watching();
    } else if (verb == "type") {
      const std::string row = word();
      refusedIf(!d.applyTyped(row, unescape(rest())));
      watching();
    } else if (verb == "items") {
      std::vector<std::string> items;
      for (std::string w; in >> w;) items.push_back(unescape(w));
      refusedIf(!d.setItems(items));
      std::string now;
      for (const std::string& i : d.items().value_or(std::vector<std::string>{})) now += " " + i;
      say("items" + now);
    } else if (verb == "step") {  // "step NAME" or "step NAME key KEY"
      const std::string r = rest();
      const size_t key = r.find(" key ");
      beginStep(d, form(), r.substr(0, key), key == std::string::npos ? "" : r.substr(key + 5));
    } else if (verb == "commit") {
      History& h = form().history();
      if (!commitStep(d, form())) say("nothing recorded");
      else {
        if (h.undoCount() > steps.size()) steps.push_back(h.undoName()), states.push_back(fullState());
        else states.back() = fullState();  // joined the step before
        say("recorded: " + h.undoName() + ", " + std::to_string(h.undoCount()) + " to undo");
      }
    } else if (verb == "cancel") cancelStep(form());
    else if (verb == "undo") refusedIf(!undo(d, form()), "nothing to undo");
    else if (verb == "redo") refusedIf(!redo(d, form()), "nothing to redo");
    else if (verb == "undo-and-redo-all") undoAndRedoAll();
    else if (verb == "hit") {  // what the mover of the screen, or of a dialog, finds under a point
      const int x = num(), y = num();
      SnapToGrid mover;
      mover.window = word() == "in" ? control(word()) : &form().screen();
      say(nameOf(mover.childAt(x, y)));
    } else if (verb == "layout") out += layout();
    else if (verb == "list") {  // each entry as shown, and the control it stands for when that is not the one named
      std::string text;
      for (const auto& e : d.controlList(form())) {
        const bool isForm = e.text.size() > 6 && e.text.compare(e.text.size() - 6, 6, ": Form") == 0;
        text += (text.empty() ? "" : ", ") + e.text;
        if (!e.control != isForm || (e.control && e.text.rfind(e.control->name() + ": ", 0) != 0))
          text += " (points at " + nameOf(e.control) + ")";
      }
      say(text);
    }
    else if (verb == "rows") say(s->rows());
    else if (verb == "value") say(d.valueText(rest()));
    else if (verb == "choices") {
      std::string list;
      for (const std::string& c : d.choices(rest())) list += (list.empty() ? "" : ", ") + c;
      say("choices " + list);
    }
    else if (verb == "status") {
      FormDocument* f = d.currentForm();
      std::string forms;
      for (const auto& k : d.forms()) forms += (forms.empty() ? "" : ", ") + k->formName + (k->visible ? "" : " closed");
      say("forms " + forms + "; current " + (f ? f->formName : "-") + ", inspecting " +
          (!d.selectedForm() ? "nothing" : d.formInspected() ? "the form" : d.selectedControl()->name()) +
          (f ? ", last " + nameOf(f->lastSelected) + ", shown dialog " + nameOf(f->shownDialog) : ""));
    } else if (verb == "history") {
      History& h = form().history();
      auto named = [](const std::string& n) { return n.empty() ? n : " " + n; };
      say("undo " + std::to_string(h.undoCount()) + named(h.undoName()) + ", redo " + std::to_string(h.redoCount()) +
          named(h.redoName()) + (h.open() ? ", a step open" : ""));
    } else if (verb == "selection") {
      std::string names;
      for (const Control* c : d.selection(form())) names += " " + c->name();
      say("selection" + names);
    } else if (verb == "order") {
      const std::string w = word();
      std::string names;
      if (w == "window")
        for (const auto& k : form().windowChildren()) names += " " + k->name();
      else
        for (const auto& k : (w == "screen" ? static_cast<Control&>(form().screen()) : *control(w)).children())
          names += " " + k->name();
      say(w + ":" + names);
    } else say("unknown action");
    for (size_t i = told; i < s->msgs.shown.size(); ++i) say("'" + s->msgs.shown[i].caption + ": " + s->msgs.shown[i].text + "'");
    checkLive();
  }

  std::string run(const std::string& script) {
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("  ", 0) == 0) continue;
      out += line + "\n";
      if (line.rfind("| ", 0) == 0) file += line.substr(2) + "\r\n";  // a line of the form file "open" reads
      if (line.empty() || line[0] == '#' || line[0] == '|') continue;
      try {
        perform(line);
      } catch (const std::string& why) {
        say(why);
      } catch (const std::exception& e) {  // a number that is none
        say(e.what());
      }
    }
    return out;
  }
};

// Runs every script of a file of them in tests/data/golden, comparing each transcript with the script.
inline void runDesignScripts(const std::string& file) {
  for (const auto& [name, script] : goldenBlocks(file)) {
    const std::string got = DesignScript().run(script);
    EXPECT_EQ(got, goldenBlock(file, name, got)) << name;
  }
}

}  // namespace tw
