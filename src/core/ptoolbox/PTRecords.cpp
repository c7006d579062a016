// PToolboxLib form-file records: one section per control, keyed by its name.
#include "PTButton.h"
#include "PTCheckBox.h"
#include "model/PTDialog.h"
#include "PTEdit.h"
#include "PTFamily.h"
#include "PTGsi.h"
#include "PTLabel.h"
#include "PTList.h"
#include "PTPopTrigger.h"
#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCSwitch.h"
#include "model/FormDocument.h"
#include "model/Records.h"

namespace tw {
namespace {

void writeBounds(const RecordWriter& w, const Control& c) {
  w.num("Height", c.height());
  w.num("Width", c.width());
  w.num("Left", c.left());
  w.num("Top", c.top());
}

}  // namespace

void readDialogRecord(const RecordReader& r, LoadContext& ctx, const char* titleKey) {
  auto d = std::make_unique<TPTDialog>();
  d->color = ctx.designColour;
  std::string name = r.str("Name", "Dialog");
  d->title = r.str(titleKey, "Dialog");
  d->setTop(r.num("Top", 60));
  d->setLeft(r.num("Left", 5));
  d->setHeight(r.num("Height", 80));
  d->setWidth(r.num("Width", 152));
  d->tag = r.num("Test", 0);
  auto* placed = static_cast<TPTDialog*>(placeRead(ctx, std::move(d), &ctx.form.screen(), name));
  if (!placed) return;
  if (placed->tag == 1)
    ctx.form.shownDialog = placed;
  else
    placed->visible = false;
}

std::string ptKind(const Control& c) {
  switch (c.classId()) {
    case ClassId::PTButton: return "Button";
    case ClassId::CCSwitch: return "Push";
    case ClassId::CCButton: return "Select";
    case ClassId::PTCheckbox: return "CheckBox";
    case ClassId::PTLabel: return "Label";
    case ClassId::PTList: return "List";
    case ClassId::PTPopTrigger: return "PopTrigger";
    case ClassId::PTEdit: return "Field";
    case ClassId::PTDialog: return "Dialog";
    case ClassId::PTGsi: return "GSI";
    case ClassId::CCBitmap: return "Bitmap";
    default: return "";
  }
}

void PToolboxFamily::writeRecord(IniFile& ini, const Control& c) const {
  const std::string kind = ptKind(c);
  if (kind.empty()) return;
  const std::string& section = c.name();
  RecordWriter w{ini, section};
  if (c.classId() == ClassId::PTList) w.list(as<TPTList>(c).items);
  w.str("Control", kind);
  w.str("Name", c.name());
  switch (c.classId()) {
    case ClassId::PTButton: {
      const auto& b = as<TPTButton>(c);
      w.str("Text", b.text);
      writeBounds(w, b);
      w.num("Frame", b.frame);
      w.font(b.font);
      w.num("Type", b.buttonType);
      w.str("ShowForm", b.showForm);
      break;
    }
    case ClassId::CCSwitch: {
      const auto& s = as<TCCSwitch>(c);
      w.str("Text", s.content);
      writeBounds(w, s);
      w.font(s.font);
      w.num("State", s.state);
      w.num("GroupNumber", s.tag);
      break;
    }
    case ClassId::CCButton: {
      const auto& b = as<TCCButton>(c);
      w.str("Text", b.content);
      writeBounds(w, b);
      w.font(b.font);
      w.num("Align", int(b.alignment));
      break;
    }
    case ClassId::PTCheckbox: {
      const auto& k = as<TPTCheckbox>(c);
      w.str("Text", k.content);
      writeBounds(w, k);
      w.font(k.font);
      w.num("State", k.state);
      w.num("GroupNumber", k.groupNumber);
      break;
    }
    case ClassId::PTLabel: {
      const auto& l = as<TPTLabel>(c);
      w.str("Text", l.content);
      w.num("Left", l.left());
      w.num("Top", l.top());
      w.font(l.font);
      break;
    }
    case ClassId::PTList: {
      const auto& l = as<TPTList>(c);
      w.num("Width", l.width());
      w.num("Left", l.left());
      w.num("Top", l.top());
      w.num("MaxItems", l.maxItems());
      w.num("SelectedItem", l.selectedItem);
      w.num("Style", l.style);
      w.str("Trigger", l.trigger());
      w.font(l.font);
      break;
    }
    case ClassId::PTPopTrigger: {
      const auto& p = as<TPTPopTrigger>(c);
      w.str("Text", p.text);
      writeBounds(w, p);
      w.font(p.font);
      break;
    }
    case ClassId::PTEdit: {
      const auto& e = as<TPTEdit>(c);
      w.str("Text", e.text);
      writeBounds(w, e);
      w.font(e.font);
      w.num("SingleLine", e.singleLine);
      w.num("Justification", e.justification);
      w.num("Underline", e.underline);
      w.num("NumbersOnly", e.numbersOnly);
      w.num("Editable", e.editable);
      w.num("MaxChars", e.maxChars);
      break;
    }
    case ClassId::PTDialog: {
      const auto& d = as<TPTDialog>(c);
      w.str("Title", d.title);
      writeBounds(w, d);
      w.num("Test", d.tag);
      for (const auto& child : d.children()) writeRecord(ini, *child);
      return;  // a dialog has no Parent key
    }
    case ClassId::PTGsi:
      w.num("Left", c.left());
      w.num("Top", c.top());
      break;
    case ClassId::CCBitmap: {
      const auto& b = as<TCCBitmap>(c);
      w.str("StringBits", b.stringBits);
      writeBounds(w, b);
      break;
    }
    default:
      break;
  }
  w.str("Parent", parentName(c));
}

void PToolboxFamily::readRecord(const IniFile& ini, const std::string& section, LoadContext& ctx) const {
  RecordReader r{ini, section};
  const std::string kind = r.str("Control", "");
  if (kind == "Dialog") return readDialogRecord(r, ctx, "Title");

  // Most kinds read Top, Left, Height and Width in that order, with their own defaults.
  auto bounds = [&](Control& c, int top, int left, int height, int width) {
    c.setTop(r.num("Top", top));
    c.setLeft(r.num("Left", left));
    c.setHeight(r.num("Height", height));
    c.setWidth(r.num("Width", width));
  };
  std::unique_ptr<Control> c;
  if (kind == "Button") {
    auto b = std::make_unique<TPTButton>();
    b->text = r.str("Text", "Button");
    bounds(*b, 18, 5, 17, 46);
    b->frame = r.num("Frame", 0);
    r.font(b->font);
    b->showForm = r.str("ShowForm", "(None)");
    b->buttonType = r.num("Type", 0);
    c = std::move(b);
  } else if (kind == "Push") {
    auto s = std::make_unique<TCCSwitch>();
    s->content = r.str("Text", "Push");
    bounds(*s, 10, 10, 14, 34);
    s->tag = r.num("GroupNumber", 0);
    r.font(s->font);
    s->state = r.num("State", 0);
    c = std::move(s);
  } else if (kind == "Select") {
    auto b = std::make_unique<TCCButton>();
    b->content = r.str("Text", "Select");
    bounds(*b, 18, 10, 14, 34);
    int align = r.num("Align", 0);
    b->alignment = align == 1 ? Alignment::Right : align == 2 ? Alignment::Center : Alignment::Left;
    r.font(b->font);
    // A selector trigger always sizes itself to its text, opens no form and has a square gray frame.
    b->tag = 3;
    b->showForm = "(None)";
    b->radius = 0;
    b->line = 2;
    c = std::move(b);
  } else if (kind == "CheckBox") {
    auto k = std::make_unique<TPTCheckbox>();
    k->content = r.str("Text", "CheckBox");
    bounds(*k, 10, 10, 15, 34);
    r.font(k->font);
    k->state = r.num("State", 0);
    k->groupNumber = uint8_t(r.num("GroupNumber", 0) & 0xFF);
    c = std::move(k);
  } else if (kind == "Label") {
    auto l = std::make_unique<TPTLabel>();
    l->content = r.str("Text", "Label");
    l->setTop(r.num("Top", 18));
    l->setLeft(r.num("Left", 10));
    r.font(l->font);
    c = std::move(l);
  } else if (kind == "List") {
    auto l = std::make_unique<TPTList>();
    l->setTop(r.num("Top", 10));
    l->setLeft(r.num("Left", 10));
    l->setWidth(r.num("Width", 34));
    r.font(l->font);
    l->setMaxItems(r.num("MaxItems", 2));
    l->selectedItem = r.num("SelectedItem", 0);
    l->setTrigger(r.str("Trigger", "(None)"));
    l->style = r.num("Style", 0);
    if (auto items = r.list(false)) l->items = std::move(*items);
    c = std::move(l);
  } else if (kind == "PopTrigger") {
    auto p = std::make_unique<TPTPopTrigger>();
    p->text = r.str("Text", "PopTr");
    bounds(*p, 18, 10, 15, 34);
    r.font(p->font);
    c = std::move(p);
  } else if (kind == "Field") {
    auto e = std::make_unique<TPTEdit>();
    e->text = r.str("Text", "Field");
    bounds(*e, 18, 10, 15, 34);
    r.font(e->font);
    e->singleLine = r.num("SingleLine", 0);
    e->justification = r.num("Justification", 0);
    e->numbersOnly = r.num("NumbersOnly", 0);
    e->editable = r.num("Editable", 0);
    e->underline = r.num("Underline", 0);
    e->maxChars = r.num("MaxChars", 20);
    c = std::move(e);
  } else if (kind == "GSI") {
    auto g = std::make_unique<TPTGsi>();
    g->setTop(r.num("Top", 150));
    g->setLeft(r.num("Left", 150));
    c = std::move(g);
  } else if (kind == "Bitmap") {
    auto b = std::make_unique<TCCBitmap>();
    bounds(*b, 18, 10, 20, 20);
    b->stringBits = r.str("StringBits", "");
    c = std::move(b);
  } else {
    return;  // an unknown kind creates nothing
  }
  finishRead(r, ctx, std::move(c), kind);
}

}  // namespace tw
