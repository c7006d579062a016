// PToolboxLib code: per container (a form's screen or a dialog on it) a Create and a Draw routine,
// an event loop, a repeat handler when it holds repeating buttons, and a block of ID numbers.
#include "PTCode.h"

#include <cstdio>

#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCSwitch.h"
#include "model/FormDocument.h"
#include "ptoolbox/PTButton.h"
#include "ptoolbox/PTCheckBox.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTLabel.h"
#include "ptoolbox/PTList.h"
#include "ptoolbox/PTPopTrigger.h"

namespace tw::ptcode {
namespace {


struct Container {
  std::string name;
  const Control& control;
  bool isForm;
};

template <class F>
void forEachContainer(const GenerationContext& ctx, F&& f) {
  for (const FormDocument* form : ctx.forms) {
    f(Container{form->formName, form->screen(), true});
    for (const Control* d : dialogsOf(*form)) f(Container{d->name(), *d, false});
  }
}

std::string args(std::initializer_list<long long> values) {
  std::string out;
  for (long long v : values) out += std::to_string(v) + ",";
  return out;  // each value followed by a comma: the text that follows closes the list
}

// Group numbers in flag words: upper-case hexadecimal without leading zeros.
std::string hexUpper(long long v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(v));
  return buf;
}

bool isRepeating(const Control& c) {
  return c.classId() == ClassId::PTButton && as<TPTButton>(c).buttonType == 1;
}

bool hasRepeat(const Control& container) {
  for (const auto& c : container.children())
    if (isRepeating(*c)) return true;
  return false;
}

// "(None)" names nothing; neither does an empty value, which would otherwise leave a hole in the code.
bool namesSomething(const std::string& s) { return s != "(None)" && !s.empty(); }

std::string fontLine(const Control& c) {
  if (c.font.name == kFontBold) return "  textattr(1,1,0);";
  if (c.font.name == kFontLarge) return "  textattr(2,1,0);";
  return "";
}

std::string buttonFlags(const TPTButton& b) {
  int frame = b.frame >= 0 && b.frame <= 3 ? b.frame : 0;
  return "0x" + std::to_string(frame) + (b.buttonType == 1 ? "5" : "0");
}

std::string fieldFlags(const TPTEdit& e) {
  std::string out = "0x";
  for (int v : {e.justification, e.numbersOnly, e.editable, e.underline, e.singleLine}) out += v == 1 ? '1' : '0';
  return out;
}

// The creation line and its extra lines, without the font lines; nothing for kinds that create nothing.
void creationLines(Lines& lines, const Control& c) {
  const std::string& n = c.name();
  switch (c.classId()) {
    case ClassId::PTButton: {
      const auto& b = as<TPTButton>(c);
      lines.push_back("  Button(" + n + "," + buttonFlags(b) + "," +
                      args({b.userLeft(), b.userTop(), b.userWidth(), b.userHeight()}) + quoted(b.text) + ");");
      break;
    }
    case ClassId::CCSwitch: {
      const auto& s = as<TCCSwitch>(c);
      lines.push_back("  Button(" + n + ",0x" + hexUpper(s.tag) + "01," +
                      args({s.userLeft(), s.userTop(), s.userWidth(), s.userHeight()}) + quoted(s.content) + ");");
      if (s.state == 1) lines.push_back("  FsetState(" + n + ",1);");
      break;
    }
    case ClassId::CCButton: {
      const auto& b = as<TCCButton>(c);
      std::string flags = b.alignment == Alignment::Right ? "0x1004" : "0x4";
      lines.push_back("  Button(" + n + "," + flags + "," + args({b.userLeft(), b.userTop(), 0, b.userHeight()}) +
                      quoted(b.content) + ");");
      break;
    }
    case ClassId::PTCheckbox: {
      const auto& k = as<TPTCheckbox>(c);
      lines.push_back("  Button(" + n + ",0x" + hexUpper(k.groupNumber) + "02," +
                      args({k.userLeft(), k.userTop(), k.width(), k.height()}) + quoted(k.content) + ");");
      if (k.state == 1) lines.push_back("FsetState(" + n + ",1);");
      break;
    }
    case ClassId::PTPopTrigger: {
      const auto& p = as<TPTPopTrigger>(c);
      lines.push_back("  Button(" + n + ",0x3," + args({p.left(), p.top(), p.width(), p.height()}) + quoted(p.text) +
                      ");");
      break;
    }
    case ClassId::PTEdit: {
      const auto& e = as<TPTEdit>(c);
      lines.push_back("  Field(" + n + "," + fieldFlags(e) + "," +
                      args({e.left(), e.top(), e.width(), e.height(), e.maxChars}) + quoted(e.text) + ");");
      break;
    }
    case ClassId::PTList: {
      const auto& l = as<TPTList>(c);
      std::string trigger = namesSomething(l.trigger()) ? l.trigger() : "0";
      lines.push_back("  List(" + n + "," + args({l.userLeft(), l.userTop(), l.width(), l.maxItems()}) + trigger + ");");
      if (!l.items.empty())
        lines.push_back("  FaddList(" + n + "," + std::to_string(l.items.size()) + ",itm" + n + ");");
      break;
    }
    case ClassId::PTLabel:
      lines.push_back("  Label(" + n + "," + args({c.left(), c.top()}) + quoted(as<TPTLabel>(c).content) + ");");
      break;
    default:
      break;
  }
}

bool createsControl(ClassId id) {
  switch (id) {
    case ClassId::PTButton:
    case ClassId::CCSwitch:
    case ClassId::CCButton:
    case ClassId::PTCheckbox:
    case ClassId::PTPopTrigger:
    case ClassId::PTEdit:
    case ClassId::PTList:
    case ClassId::PTLabel: return true;
    default: return false;
  }
}

void writeCreateRoutine(Lines& lines, const Container& k) {
  lines.push_back(k.name + "Create(){");
  for (const auto& c : k.control.children()) {
    if (c->classId() != ClassId::PTList) continue;
    const auto& items = as<TPTList>(*c).items;
    if (items.empty()) continue;
    std::string line = "string itm" + c->name() + "[" + std::to_string(items.size()) + "] = {";
    for (size_t i = 0; i < items.size(); ++i) line += (i ? "," : "") + quoted(items[i]);
    lines.push_back(line + "};");
  }
  if (k.isForm) {
    lines.push_back("  Form(" + k.name + "," + quoted(as<TCCForm>(k.control).title) + ");");
  } else {
    const auto& d = as<TPTDialog>(k.control);
    lines.push_back("  Dialog(" + k.name + "," + args({d.userLeft(), d.userTop(), d.userWidth(), d.userHeight()}) +
                    quoted(d.title) + ");");
  }
  for (const auto& c : k.control.children()) {
    if (c->classId() == ClassId::PTGsi) {
      lines.push_back("  GSI(" + std::to_string(c->left()) + "," + std::to_string(c->top()) + ");");
      continue;
    }
    if (!createsControl(c->classId())) continue;  // dialogs and bitmaps
    std::string font = fontLine(*c);
    if (!font.empty()) lines.push_back(font);
    creationLines(lines, *c);
    if (!font.empty()) lines.push_back("  textattr(0,1,0);");
  }
  lines.push_back("}");
}

void writeDrawRoutine(Lines& lines, const Container& k) {
  lines.push_back(k.name + "Draw(){");
  if (hasRepeat(k.control)) {
    lines.push_back("  //Bind repeat events handler");
    lines.push_back("  Fctl(REPEAT," + k.name + "Repeat);");
  }
  lines.push_back("  Fctl(DRAW," + k.name + ");");
  for (const auto& c : k.control.children())
    if (c->classId() == ClassId::CCBitmap)
      lines.push_back("  bitmap(" + args({c->left(), c->top()}) + bitmapLiteral(c->width(), as<TCCBitmap>(*c).stringBits) +
                      ");");
  lines.push_back("  " + k.name + "Events();");
  lines.push_back("}");
}

bool takesCase(const Control& c) {
  switch (c.classId()) {
    case ClassId::PTButton: return !isRepeating(c);
    case ClassId::CCSwitch:
    case ClassId::CCButton:
    case ClassId::PTCheckbox: return true;
    case ClassId::PTList: return as<TPTList>(c).style == 0;
    default: return false;
  }
}

void writeEventsRoutine(Lines& lines, const Container& k) {
  lines.push_back(k.name + "Events(){");
  for (const char* l : {"  int e;", "  while(1){", "    e=Fevent(1);", "    switch(e){", ""}) lines.push_back(l);
  for (const auto& c : k.control.children()) {
    if (!takesCase(*c)) continue;
    lines.push_back("    case " + c->name() + ":");
    if (c->classId() == ClassId::PTButton && namesSomething(as<TPTButton>(*c).showForm))
      lines.push_back("      " + as<TPTButton>(*c).showForm + "Draw();");
    lines.push_back("    break;");
    lines.push_back("");
  }
  for (const char* l : {"    } //switch", "  } //while", "}", ""}) lines.push_back(l);
}

void writeRepeatHandler(Lines& lines, const Container& k) {
  if (!hasRepeat(k.control)) return;
  lines.push_back("int " + k.name + "Repeat(int butID){");
  lines.push_back("  switch(butID){");
  for (const auto& c : k.control.children()) {
    if (!isRepeating(*c)) continue;
    lines.push_back("    case " + c->name() + ":");
    lines.push_back("        //handle the repeat here");
    lines.push_back("        return(3); //wait 3 seconds and repeat");
    lines.push_back("    break;");
    lines.push_back("");
  }
  for (const char* l : {"    default:", "    break;", "  }//switch", "return(0);", "}", ""}) lines.push_back(l);
}

void writeIdNumbers(Lines& lines, const Container& k, int& counter) {
  lines.push_back("//" + k.name + " ID numbers");
  lines.push_back("#define " + k.name + " " + std::to_string(++counter));
  for (const auto& c : k.control.children()) {
    ClassId id = c->classId();
    if (id == ClassId::CCBitmap || id == ClassId::PTDialog || id == ClassId::PTGsi) continue;
    lines.push_back("#define " + c->name() + " " + std::to_string(++counter));
  }
  lines.push_back("");
}

}  // namespace

void writeMainFile(Lines& lines, const GenerationContext& ctx) {
  const std::string& p = ctx.project;
  lines.push_back("");
  lines.push_back("library \"PToolboxLib\"");
  lines.push_back("#include \"Fctl.h\"");
  lines.push_back("#include \"" + p + ".h\"");
  lines.push_back("#include \"" + p + "Forms.pc\"");
  lines.push_back("#include \"" + p + "Events.pc\"");
  lines.push_back("//init");
  lines.push_back("main(){");
  forEachContainer(ctx, [&](const Container& k) { lines.push_back("  " + k.name + "Create();"); });
  lines.push_back("");
  lines.push_back("  //Show first form");
  lines.push_back("  " + (ctx.firstForm ? ctx.firstForm->formName : std::string()) + "Draw();");
  lines.push_back("}");
  lines.push_back("");
}

void writeFormsFile(Lines& lines, const GenerationContext& ctx) {
  if (ctx.memos) lines.push_back("/$ " + ctx.project + "Forms.pc");
  forEachContainer(ctx, [&](const Container& k) {
    writeCreateRoutine(lines, k);
    writeDrawRoutine(lines, k);
    lines.push_back("");
  });
}

void writeEventsFile(Lines& lines, const GenerationContext& ctx) {
  if (ctx.memos) lines.push_back("/$ " + ctx.project + "Events.pc");
  forEachContainer(ctx, [&](const Container& k) {
    writeEventsRoutine(lines, k);
    writeRepeatHandler(lines, k);
  });
}

void writeHeaderFile(Lines& lines, const GenerationContext& ctx) {
  if (ctx.memos) lines.push_back("/$ " + ctx.project + ".h");
  int counter = kFirstIdBefore;
  forEachContainer(ctx, [&](const Container& k) { writeIdNumbers(lines, k, counter); });
  lines.push_back("//Prototypes");
  forEachContainer(ctx, [&](const Container& k) {
    lines.push_back(k.name + "Create();");
    lines.push_back(k.name + "Events();");
    lines.push_back(k.name + "Draw();");
    if (hasRepeat(k.control)) lines.push_back("int " + k.name + "Repeat(int butID);");
    lines.push_back("");
  });
}

}  // namespace tw::ptcode
