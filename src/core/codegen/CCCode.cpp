// CControls code: a container (a form's screen or a dialog on it) gets its handles, a Controls, a
// Contents, a Draw and an Events routine; a form's menu bar and menus belong to its screen.
#include "CCCode.h"

#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCCheckbox.h"
#include "ccontrols/CCDropDown.h"
#include "ccontrols/CCEdit.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCPopUp.h"
#include "ccontrols/CCRadio.h"
#include "ccontrols/CCSwitch.h"
#include "model/FormDocument.h"
#include "model/PTDialog.h"

namespace tw::cccode {
namespace {


// A container: its name, its children, and the form whose window holds menus (screens only).
struct Container {
  std::string name;
  const Control& control;
  const FormDocument* form = nullptr;  // set for a form's screen
  bool isDialog() const { return form == nullptr; }
};

template <class F>
void forEachContainer(const GenerationContext& ctx, F&& f) {
  for (const FormDocument* form : ctx.forms) {
    f(Container{form->formName, form->screen(), form});
    for (const Control* d : dialogsOf(*form)) f(Container{d->name(), *d, nullptr});
  }
}

bool isBitmap(const Control& c) { return c.classId() == ClassId::CCBitmap; }
bool isClickable(const Control& c) { return isBitmap(c) && c.tag == 1; }
bool isPlainBitmap(const Control& c) { return isBitmap(c) && c.tag != 1; }
bool isDialog(const Control& c) { return c.classId() == ClassId::PTDialog; }

// The offset of a control's position: its dialog's place on the screen, or none.
struct Offset {
  int dx = 0, dy = 0;
};
Offset offsetOf(const Control& c) {
  const Control* p = c.parent();
  if (p && isDialog(*p)) return {p->left(), p->top()};
  return {};
}

// Font code put in front of a content: /f1 bold, /f2 large.
std::string fontCode(const Control& c) {
  if (c.font.name == kFontBold) return "/f1";
  if (c.font.name == kFontLarge) return "/f2";
  return "";
}

int alignCode(const Control& c) {
  return c.alignment == Alignment::Center ? 1 : c.alignment == Alignment::Right ? 2 : 0;
}

std::string args(std::initializer_list<long long> values) {
  std::string out;
  for (long long v : values) {
    if (!out.empty()) out += ',';
    out += std::to_string(v);
  }
  return out;
}

// The creation line of one control; empty for kinds that have none.
std::string creationLine(const Control& c) {
  Offset o = offsetOf(c);
  long long x = c.userLeft() + o.dx, y = c.userTop() + o.dy;
  std::string call, a;
  switch (c.classId()) {
    case ClassId::CCButton: {
      const auto& b = as<TCCButton>(c);
      call = "Cbutton", a = args({x, y, b.userWidth(), b.userHeight(), b.line, b.radius});
      break;
    }
    case ClassId::CCSwitch: {
      const auto& s = as<TCCSwitch>(c);
      call = "Cswitch", a = args({x, y, s.userWidth(), s.userHeight(), s.line, s.radius});
      break;
    }
    case ClassId::CCRadio:
      call = "Cradio", a = args({x, y, c.userWidth(), c.userHeight()});
      break;
    case ClassId::CCLabel: {
      const auto& l = as<TCCLabel>(c);
      call = "Clabel", a = args({x, y, l.userWidth(), l.line, l.style, alignCode(l)});
      break;
    }
    case ClassId::CCListBox:
      call = "Clistbox", a = args({x, y, c.userWidth(), as<TCCListBox>(c).visibleItems()});
      break;
    case ClassId::CCDropDown:
      call = "Cdropdown", a = args({x, y, c.userWidth(), as<TCCDropDown>(c).visibleItems()});
      break;
    case ClassId::CCPopUp:
      call = "Cpopup", a = args({x, y, c.userWidth(), as<TCCPopUp>(c).visibleItems()});
      break;
    case ClassId::CCCheckbox:
      call = "Ccheckbox", a = args({x, y, c.width()});
      break;
    case ClassId::CCEdit: {
      const auto& e = as<TCCEdit>(c);
      if (e.isEditLine())
        call = "Ceditline", a = args({x, y, e.userWidth(), e.line, e.style});
      else
        call = "Cedit", a = args({x, y, e.userWidth(), e.line, e.style, alignCode(e)});
      break;
    }
    case ClassId::CCBitmap:
      if (!isClickable(c)) return "";
      call = "Cimage", a = args({c.left() + o.dx, c.top() + o.dy, c.width(), c.height()});
      break;
    default:
      return "";
  }
  return "  " + c.name() + "=" + call + "(" + a + ");";
}

void writeItems(Lines& lines, const std::string& name, const std::vector<std::string>& items) {
  for (const auto& item : items) lines.push_back("  Cadditem(" + name + "," + quoted(item) + ");");
}

void writeContentLines(Lines& lines, const Control& c) {
  const std::string& n = c.name();
  auto content = [&](const std::string& text, bool withFont) {
    lines.push_back("  Csetcontent(" + n + "," + quoted((withFont ? fontCode(c) : "") + text) + ");");
  };
  auto state = [&](int s) { lines.push_back("  Csetstate(" + n + "," + std::to_string(s) + ");"); };
  auto list = [&](int selected, const std::vector<std::string>& items) {
    lines.push_back("  Csetcursel(" + n + "," + std::to_string(selected) + ");");
    writeItems(lines, n, items);
  };
  switch (c.classId()) {
    case ClassId::CCButton: content(as<TCCButton>(c).content, true); break;
    case ClassId::CCLabel: content(as<TCCLabel>(c).content, true); break;
    case ClassId::CCSwitch:
      content(as<TCCSwitch>(c).content, true);
      state(as<TCCSwitch>(c).state);
      break;
    case ClassId::CCCheckbox:
      state(as<TCCCheckbox>(c).state);
      content(as<TCCCheckbox>(c).content, true);
      break;
    case ClassId::CCRadio: list(as<TCCRadio>(c).selectedItem, as<TCCRadio>(c).items); break;
    case ClassId::CCListBox: list(as<TCCListBox>(c).selectedItem, as<TCCListBox>(c).items); break;
    case ClassId::CCDropDown:
    case ClassId::CCPopUp: list(as<TCCDropDown>(c).selectedItem, as<TCCDropDown>(c).items); break;
    case ClassId::CCEdit: {
      const auto& e = as<TCCEdit>(c);
      if (!e.isEditLine()) lines.push_back("  Csettopic(" + n + "," + quoted(e.topic) + ");");
      content(e.content, false);
      break;
    }
    case ClassId::CCBitmap:
      if (isClickable(c)) lines.push_back("  Csetcontent(" + n + "," + bitmapLiteral(c.width(), as<TCCBitmap>(c).stringBits) + ");");
      break;
    default:
      break;
  }
}

void writeHandles(Lines& lines, const Container& k) {
  std::vector<std::string> names;
  if (k.isDialog()) names.push_back("h" + k.name);
  for (const auto& c : k.control.children())
    if (!isPlainBitmap(*c) && !isDialog(*c)) names.push_back(c->name());
  if (k.form)
    for (const auto& c : k.form->windowChildren())
      if (c->classId() == ClassId::CCMenuBar || c->classId() == ClassId::CCMenu) names.push_back(c->name());
  // A container with nothing to declare gets no declaration: "Chandle ;" would not compile.
  if (names.empty()) return;
  std::string line = "Chandle ";
  for (size_t i = 0; i < names.size(); ++i) line += (i ? ", " : "") + names[i];
  lines.push_back(line + ";");
  lines.push_back("");
}

void writeControlsRoutine(Lines& lines, const Container& k) {
  lines.push_back(k.name + "Controls(){");
  if (k.isDialog()) {
    const Control& d = k.control;
    lines.push_back("  h" + k.name + "=Cframe(" + args({d.left(), d.top(), d.width(), d.height()}) + ");");
  }
  for (const auto& c : k.control.children())
    if (std::string line = creationLine(*c); !line.empty()) lines.push_back(line);
  if (k.form)
    for (const auto& c : k.form->windowChildren()) {
      if (c->classId() == ClassId::CCMenuBar) {
        lines.push_back("  " + c->name() + "=Cmenubar();");
      } else if (c->classId() == ClassId::CCMenu) {
        const auto& m = as<TCCMenu>(*c);
        lines.push_back("  " + m.name() + "=Cmenu(" + args({m.userLeft(), m.userWidth(), m.topicWidth()}) + ");");
      }
    }
  lines.push_back("}");
}

void writeContentsRoutine(Lines& lines, const Container& k) {
  lines.push_back(k.name + "Contents(){");
  if (k.isDialog())
    lines.push_back("  Csetcontent(h" + k.name + "," + quoted(as<TPTDialog>(k.control).title) + ");");
  for (const auto& c : k.control.children()) writeContentLines(lines, *c);
  if (k.form) {
    const auto& window = k.form->windowChildren();
    for (const auto& c : window) {
      if (c->classId() == ClassId::CCMenuBar) {
        for (const auto& m : window)
          if (m->classId() == ClassId::CCMenu) lines.push_back("  Caddmenu(" + c->name() + "," + m->name() + ");");
      } else if (c->classId() == ClassId::CCMenu) {
        const auto& m = as<TCCMenu>(*c);
        lines.push_back("  Csettopic(" + m.name() + "," + quoted(m.topic) + ");");
        writeItems(lines, m.name(), m.items);
      }
    }
  }
  lines.push_back("}");
}

void writeDrawRoutine(Lines& lines, const Container& k) {
  lines.push_back(k.name + "Draw(){");
  if (k.form) {
    lines.push_back("  title(" + quoted(k.form->screen().title) + ");");
    lines.push_back("  clearg();");
  } else {
    lines.push_back("  Cdraw(h" + k.name + ");");
  }
  for (const auto& c : k.control.children()) {
    if (isDialog(*c)) continue;
    if (isPlainBitmap(*c)) {
      Offset o = offsetOf(*c);
      lines.push_back("    bitmap(" + args({c->left() + o.dx, c->top() + o.dy}) + "," +
                      bitmapLiteral(c->width(), as<TCCBitmap>(*c).stringBits) + ");");
    } else {
      lines.push_back("  Cdraw(" + c->name() + ");");
    }
  }
  lines.push_back("}");
  lines.push_back("");
}

// A button opens a form when its ShowForm names one; an empty value opens nothing, as "(None)" does.
bool opensForm(const std::string& showForm) { return showForm != "(None)" && !showForm.empty(); }

void writeEventsRoutine(Lines& lines, const Container& k) {
  std::vector<const Control*> bearing;
  for (const auto& c : k.control.children())
    if (!isDialog(*c) && !isPlainBitmap(*c) && c->classId() != ClassId::CCPopUp) bearing.push_back(c.get());

  for (const Control* c : bearing) {
    lines.push_back("On" + c->name() + "(){");
    if (c->classId() == ClassId::CCButton && opensForm(as<TCCButton>(*c).showForm))
      lines.push_back("  " + as<TCCButton>(*c).showForm + "();");
    lines.push_back("}");
    lines.push_back("");
  }
  std::vector<const Control*> menuBars, menus;
  if (k.form)
    for (const auto& c : k.form->windowChildren()) {
      if (c->classId() == ClassId::CCMenuBar) menuBars.push_back(c.get());
      if (c->classId() == ClassId::CCMenu) menus.push_back(c.get());
    }
  if (!menuBars.empty()) {
    lines.push_back("On" + menuBars.front()->name() + "(string Option){");
    lines.push_back("  switch (Option){");
    for (const Control* m : menus)
      for (const auto& item : as<TCCMenu>(*m).items) {
        lines.push_back("    case " + quoted(item) + ":");
        lines.push_back("      //action for menu" + item);
        lines.push_back("      break;");
      }
    lines.push_back("}");
    lines.push_back("}");
    lines.push_back("");
  }

  lines.push_back(k.name + "Events(){");
  lines.push_back("  int e;");
  lines.push_back("  while(1){");
  lines.push_back("    e=event(1);");
  bool first = true;
  auto test = [&](const std::string& n, const std::string& call) {
    lines.push_back(std::string(first ? "    if" : "    else if") + " (Cevent(" + n + ",e)) On" + n + "(" + call + ");");
    first = false;
  };
  for (const Control* c : bearing) test(c->name(), "");
  for (const Control* b : menuBars) test(b->name(), "Cgetcontent(" + b->name() + ")");
  lines.push_back("  }");
  lines.push_back("}");
  lines.push_back("");
}

}  // namespace

void writeMainFile(Lines& lines, const GenerationContext& ctx) {
  const std::string& p = ctx.project;
  lines.push_back("");
  lines.push_back("#include \"" + p + ".h\"");
  lines.push_back("#include \"" + p + "Forms.pc\"");
  lines.push_back("#include \"" + p + "Events.pc\"");
  lines.push_back("");
  lines.push_back("//init");
  lines.push_back("main(){");
  lines.push_back("  graph_on();");
  lines.push_back("  title(\"\");");
  lines.push_back("  " + (ctx.firstForm ? ctx.firstForm->formName : std::string()) + "();");
  lines.push_back("}");
  lines.push_back("");
  forEachContainer(ctx, [&](const Container& k) {
    lines.push_back(k.name + "(){");
    for (const char* routine : {"Controls", "Contents", "Draw", "Events"})
      lines.push_back("  " + k.name + routine + "();");
    lines.push_back("}");
    lines.push_back("");
  });
}

void writeFormsFile(Lines& lines, const GenerationContext& ctx) {
  if (ctx.memos) lines.push_back("/$ " + ctx.project + "Forms.pc");
  lines.push_back("#include \"Ccontrols.c\"");
  forEachContainer(ctx, [&](const Container& k) {
    writeHandles(lines, k);
    writeControlsRoutine(lines, k);
    writeContentsRoutine(lines, k);
    writeDrawRoutine(lines, k);
  });
}

void writeEventsFile(Lines& lines, const GenerationContext& ctx) {
  if (ctx.memos) lines.push_back("/$ " + ctx.project + "Events.pc");
  lines.push_back("#include \"" + ctx.project + ".h\"");
  forEachContainer(ctx, [&](const Container& k) { writeEventsRoutine(lines, k); });
}

void writeHeaderFile(Lines& lines, const GenerationContext& ctx) {
  if (ctx.memos) lines.push_back("/$ " + ctx.project + ".h");
  lines.push_back("//Form and dialog prototypes");
  forEachContainer(ctx, [&](const Container& k) { lines.push_back(k.name + "();"); });
}

}  // namespace tw::cccode
