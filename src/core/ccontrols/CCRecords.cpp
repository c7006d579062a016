// CControls form-file records: one section per control, keyed by its name.
#include "CCBitmap.h"
#include "CCButton.h"
#include "CCCheckbox.h"
#include "CCDropDown.h"
#include "CCEdit.h"
#include "CCFamily.h"
#include "CCLabel.h"
#include "CCListBox.h"
#include "CCMenu.h"
#include "CCMenuBar.h"
#include "CCPopUp.h"
#include "CCRadio.h"
#include "CCSwitch.h"
#include "model/FormDocument.h"
#include "model/Records.h"
#include "model/PTDialog.h"

namespace tw {
namespace {

// The file codes of alignment: 0 left, 1 centre, 2 right (the framework orders left, right, centre).
int alignmentCode(Alignment a) { return a == Alignment::Center ? 1 : a == Alignment::Right ? 2 : 0; }
Alignment alignmentFromCode(int code) {
  return code == 1 ? Alignment::Center : code == 2 ? Alignment::Right : Alignment::Left;
}

void writeDropDown(const RecordWriter& w, const TCCDropDown& d, const char* kind, const char* testKey, int test) {
  w.list(d.items);
  w.str("Control", kind);
  w.str("Name", d.name());
  w.num("Width", d.width());
  w.num("Left", d.left());
  w.num("Top", d.top());
  w.num("VisibleItems", d.visibleItems());
  w.num("SelectedItem", d.selectedItem);
  w.font(d.font);
  w.str("Parent", parentName(d));
  w.num(testKey, test);
}

}  // namespace

std::string ccKind(const Control& c) {
  switch (c.classId()) {
    case ClassId::CCButton: return "Button";
    case ClassId::CCLabel: return "Label";
    case ClassId::CCCheckbox: return "CheckBox";
    case ClassId::CCSwitch: return "Switch";
    case ClassId::CCEdit: return as<TCCEdit>(c).isEditLine() ? "EditLine" : "Edit";
    case ClassId::CCListBox: return "ListBox";
    case ClassId::CCRadio: return "Radio";
    case ClassId::PTDialog: return "Dialog";
    case ClassId::CCPopUp: return "PopUp";
    case ClassId::CCDropDown: return "DropDown";
    case ClassId::CCBitmap: return "Image";
    case ClassId::CCMenuBar: return "MenuBar";
    case ClassId::CCMenu: return "Menu";
    default: return "";
  }
}

void CControlsFamily::writeRecord(IniFile& ini, const Control& c) const {
  const std::string& section = c.name();
  RecordWriter w{ini, section};
  auto head = [&] {
    w.str("Control", ccKind(c));
    w.str("Name", c.name());
  };
  switch (c.classId()) {
    case ClassId::CCButton: {
      const auto& b = as<TCCButton>(c);
      head();
      w.str("Content", b.content);
      w.num("Height", b.height());
      w.num("Width", b.width());
      w.num("Left", b.left());
      w.num("Top", b.top());
      w.num("Edge", b.radius);
      w.num("Line", b.line);
      w.font(b.font);
      w.str("ShowForm", b.showForm);
      w.str("Parent", parentName(b));
      break;
    }
    case ClassId::CCLabel: {
      const auto& l = as<TCCLabel>(c);
      head();
      w.str("Content", l.content);
      w.num("Width", l.width());
      w.num("Left", l.left());
      w.num("Top", l.top());
      w.font(l.font);
      w.num("Line", l.line);
      w.num("Alignment", alignmentCode(l.alignment));
      w.num("Style", l.style);
      w.str("Parent", parentName(l));
      break;
    }
    case ClassId::CCCheckbox: {
      const auto& k = as<TCCCheckbox>(c);
      head();
      w.str("Content", k.content);
      w.num("Width", k.width());
      w.num("Left", k.left());
      w.num("Top", k.top());
      w.font(k.font);
      w.num("State", k.state);
      w.str("Parent", parentName(k));
      break;
    }
    case ClassId::CCSwitch: {
      const auto& s = as<TCCSwitch>(c);
      head();
      w.str("Content", s.content);
      w.num("Height", s.height());
      w.num("Width", s.width());
      w.num("Left", s.left());
      w.num("Top", s.top());
      w.font(s.font);
      w.num("Edge", s.radius);
      w.num("Line", s.line);
      w.num("State", s.state);
      w.str("Parent", parentName(s));
      break;
    }
    case ClassId::CCEdit: {
      const auto& e = as<TCCEdit>(c);
      head();
      w.str("Content", e.content);
      w.num("Width", e.width());
      w.num("Left", e.left());
      w.num("Top", e.top());
      w.font(e.font);
      w.num("Style", e.style);
      w.num("Line", e.line);
      if (e.isEditLine()) {
        w.str("Parent", parentName(e));
        w.num("Type", e.tag);
      } else {
        w.num("Alignment", alignmentCode(e.alignment));
        w.str("Topic", e.topic);
        w.str("Parent", parentName(e));
      }
      break;
    }
    case ClassId::CCListBox: {
      const auto& l = as<TCCListBox>(c);
      w.list(l.items);
      head();
      w.num("Width", l.width());
      w.num("Left", l.left());
      w.num("Top", l.top());
      w.num("VisibleItems", l.visibleItems());
      w.num("SelectedItem", l.selectedItem);
      w.font(l.font);
      w.str("Parent", parentName(l));
      break;
    }
    case ClassId::CCRadio: {
      const auto& r = as<TCCRadio>(c);
      w.list(r.items);
      head();
      w.num("Width", r.width());
      w.num("Left", r.left());
      w.num("Top", r.top());
      w.num("Height", r.height());
      w.num("SelectedItem", r.selectedItem);
      w.font(r.font);
      w.str("Parent", parentName(r));
      break;
    }
    case ClassId::PTDialog: {
      const auto& d = as<TPTDialog>(c);
      head();
      w.str("Content", d.title);
      w.num("Height", d.height());
      w.num("Width", d.width());
      w.num("Left", d.left());
      w.num("Top", d.top());
      w.num("Test", d.tag);
      for (const auto& child : d.children()) writeRecord(ini, *child);
      break;
    }
    case ClassId::CCPopUp: {
      const auto& p = as<TCCPopUp>(c);
      writeDropDown(w, p, "PopUp", "Test", p.test());
      break;
    }
    case ClassId::CCDropDown: {
      const auto& d = as<TCCDropDown>(c);
      writeDropDown(w, d, "DropDown", "TestItems", d.testItems);
      break;
    }
    case ClassId::CCBitmap: {
      const auto& b = as<TCCBitmap>(c);
      head();
      w.str("StringBits", b.stringBits);
      w.num("Height", b.height());
      w.num("Width", b.width());
      w.num("Left", b.left());
      w.num("Top", b.top());
      w.num("Clickable", b.tag);
      w.str("Parent", parentName(b));
      break;
    }
    case ClassId::CCMenuBar:
      head();
      w.num("Test", as<TCCMenuBar>(c).test());
      break;
    case ClassId::CCMenu: {
      const auto& m = as<TCCMenu>(c);
      w.list(m.items);
      head();
      w.num("Width", m.userWidth());
      w.num("Left", m.userLeft());
      w.num("Test", m.test());
      w.str("Topic", m.topic);
      w.num("TopicWidth", m.topicWidth());
      break;
    }
    default:
      break;
  }
}

void CControlsFamily::writeMenus(IniFile& ini, const FormDocument& form) const {
  const auto& items = form.windowChildren();
  for (const auto& c : items)
    if (c->classId() == ClassId::CCMenuBar) {
      writeRecord(ini, *c);  // only the first menu bar
      break;
    }
  for (const auto& c : items)
    if (c->classId() == ClassId::CCMenu) writeRecord(ini, *c);
}

void CControlsFamily::readRecord(const IniFile& ini, const std::string& section, LoadContext& ctx) const {
  RecordReader r{ini, section};
  const std::string kind = r.str("Control", "");
  FormDocument& form = ctx.form;
  TCCForm& screen = form.screen();

  if (kind == "Dialog") return readDialogRecord(r, ctx, "Content");
  if (kind == "MenuBar") {
    auto m = std::make_unique<TCCMenuBar>();
    m->color = ctx.designColour;
    m->setLeft(screen.left());
    m->setTop(screen.top());
    std::string name = r.str("Name", ("MenuBar" + form.formName).c_str());
    m->setTest(0);  // a loaded menu bar starts hidden
    placeRead(ctx, std::move(m), nullptr, name);
    return;
  }
  if (kind == "Menu") {
    auto m = std::make_unique<TCCMenu>();
    std::string name = r.str("Name", "Menu");
    m->color = ctx.designColour;
    m->setTop(screen.top());
    m->setUserLeft(r.num("Left", screen.left() + 5));
    m->setUserWidth(r.num("Width", 38));
    m->setTopicWidth(r.num("TopicWidth", 36));
    m->setTest(0);
    m->topic = r.str("Topic", "Topic");
    if (auto items = r.list(true)) m->items = std::move(*items);
    placeRead(ctx, std::move(m), nullptr, name);
    return;
  }

  std::unique_ptr<Control> c;
  auto position = [&](Control& k, bool readHeight) {
    k.setTop(r.num("Top", 10));
    k.setLeft(r.num("Left", 10));
    k.setWidth(r.num("Width", 34));
    if (readHeight) k.setHeight(r.num("Height", 14));
  };
  if (kind == "Button") {
    auto b = std::make_unique<TCCButton>();
    b->content = r.str("Content", "Button");
    position(*b, true);
    b->radius = r.num("Edge", 4);
    b->line = r.num("Line", 1);
    r.font(b->font);
    b->showForm = r.str("ShowForm", "(None)");
    c = std::move(b);
  } else if (kind == "Label") {
    auto l = std::make_unique<TCCLabel>();
    l->content = r.str("Content", "Label");
    position(*l, false);
    r.font(l->font);
    l->line = r.num("Line", 1);
    l->alignment = alignmentFromCode(r.num("Alignment", 0));
    l->style = r.num("Style", 1);
    c = std::move(l);
  } else if (kind == "CheckBox") {
    auto k = std::make_unique<TCCCheckbox>();
    k->content = r.str("Content", "CheckBox");
    position(*k, false);
    r.font(k->font);
    k->state = r.num("State", 0);
    c = std::move(k);
  } else if (kind == "Switch") {
    auto s = std::make_unique<TCCSwitch>();
    s->content = r.str("Content", "Switch");
    position(*s, true);
    r.font(s->font);
    s->radius = r.num("Edge", 0);
    s->line = r.num("Line", 1);
    s->state = r.num("State", 0);
    c = std::move(s);
  } else if (kind == "Edit" || kind == "EditLine") {
    auto e = std::make_unique<TCCEdit>();
    e->content = r.str("Content", "Edit");
    position(*e, false);
    r.font(e->font);
    e->style = r.num("Style", 1);
    e->line = r.num("Line", 1);
    if (kind == "Edit") {
      e->alignment = alignmentFromCode(r.num("Alignment", 0));
      e->topic = r.str("Topic", "Topic");
      e->tag = 0;
    } else {
      e->tag = 1;
    }
    c = std::move(e);
  } else if (kind == "ListBox") {
    auto l = std::make_unique<TCCListBox>();
    position(*l, false);
    l->setVisibleItems(r.num("VisibleItems", 2));
    l->selectedItem = r.num("SelectedItem", 0);
    r.font(l->font);
    if (auto items = r.list(true)) l->items = std::move(*items);
    c = std::move(l);
  } else if (kind == "Radio") {
    auto g = std::make_unique<TCCRadio>();
    position(*g, true);
    g->selectedItem = r.num("SelectedItem", 0);
    r.font(g->font);
    if (auto items = r.list(true)) g->items = std::move(*items);
    c = std::move(g);
  } else if (kind == "PopUp" || kind == "DropDown") {
    std::unique_ptr<TCCDropDown> d;
    if (kind == "PopUp") {
      auto p = std::make_unique<TCCPopUp>();
      p->setTest(r.num("Test", 0));
      d = std::move(p);
    } else {
      d = std::make_unique<TCCDropDown>();
      d->testItems = r.num("TestItems", 0);
    }
    position(*d, false);
    d->setVisibleItems(r.num("VisibleItems", 2));
    d->selectedItem = r.num("SelectedItem", 0);
    r.font(d->font);
    if (auto items = r.list(true)) d->items = std::move(*items);
    c = std::move(d);
  } else if (kind == "Image") {
    auto b = std::make_unique<TCCBitmap>();
    b->stringBits = r.str("StringBits", "");
    position(*b, true);
    b->tag = r.num("Clickable", 1);
    c = std::move(b);
  } else {
    return;  // an unknown kind creates nothing
  }
  finishRead(r, ctx, std::move(c), kind);
}

}  // namespace tw
