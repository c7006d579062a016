// The one writer and the one reader of form-file records, walking a family's rows.
#include "Records.h"

#include <cstring>

#include "Family.h"
#include "FormDocument.h"
#include "model/PTDialog.h"

namespace tw {
namespace {

// The file codes of alignment: 0 left, 1 centre, 2 right; the property orders left, right, centre.
long long alignmentCode(long long framework) { return framework == 2 ? 1 : framework == 1 ? 2 : 0; }
long long alignmentFromCode(long long code) { return code == 1 ? 2 : code == 2 ? 1 : 0; }

void setNumber(Control& c, const PropInfo& p, long long v) {
  if (p.setWhole)
    p.setWhole(c, v);
  else
    p.set(c, PropValue(v));
}

void writeKey(const RecordWriter& w, const RecordRow& row, const RecKey& k, const Control& c) {
  switch (k.conv) {
    case RecConv::Kind: return w.str(k.key, row.kind);
    case RecConv::Name: return w.str(k.key, c.name());
    case RecConv::Parent: return w.str(k.key, parentName(c));
    default: break;
  }
  const PropInfo* p = c.property(k.property());
  if (!p) return;
  const PropValue v = p->get(c);
  switch (k.conv) {
    case RecConv::Number: return w.num(k.key, std::get<long long>(v));
    case RecConv::Text: return w.str(k.key, std::get<std::string>(v));
    case RecConv::Font: return w.str(k.key, fontToText(std::get<Font>(v)));
    case RecConv::AlignCode: return w.num(k.key, alignmentCode(std::get<long long>(v)));
    case RecConv::Items: return w.list(std::get<std::vector<std::string>>(v));
    default: return;
  }
}

int numberOf(const RecValue& v) { return int(std::get<long long>(v)); }
const char* textOf(const RecValue& v) { return std::get<const char*>(v); }

void readKey(const RecordReader& r, const RecKey& k, const RecValue& def, bool keepEmptyItems, Control& c) {
  const PropInfo* p = c.property(k.property());
  if (!p) return;
  switch (k.conv) {
    case RecConv::Number: return setNumber(c, *p, r.num(k.key, numberOf(def)));
    case RecConv::Text: return p->set(c, PropValue(r.str(k.key, textOf(def))));
    case RecConv::AlignCode: return p->set(c, PropValue(alignmentFromCode(r.num(k.key, numberOf(def)))));
    case RecConv::Font:
      if (auto text = r.value(k.key); text && !text->empty()) {
        Font f = std::get<Font>(p->get(c));
        fontFromText(*text, f);
        p->set(c, PropValue(f));
      }
      return;
    case RecConv::Items:
      if (auto items = r.list(keepEmptyItems)) p->set(c, PropValue(std::move(*items)));
      return;
    default: return;  // the kind, name and parent are the last steps'
  }
}

const RecKey* writtenKey(const RecordRow& row, const char* key) {
  for (const RecKey& k : row.write)
    if (std::strcmp(k.key, key) == 0) return &k;
  return nullptr;
}

}  // namespace

const RecordRow* RecordTable::byKind(std::string_view kind) const {
  for (const RecordRow& row : rows)
    if (kind == row.kind) return &row;
  return nullptr;
}

const RecordRow* RecordTable::byClass(ClassId cls) const {
  for (const RecordRow& row : rows)
    if (row.cls == cls) return &row;
  return nullptr;
}

void Family::writeRecord(IniFile& ini, const Control& c) const {
  const RecordRow* row = records().byKind(kindWord(c));
  if (!row || row->cls != c.classId()) return;
  RecordWriter w{ini, c.name()};
  for (const RecKey& k : row->write) writeKey(w, *row, k, c);
  for (const auto& child : c.children()) writeRecord(ini, *child);
}

int RecordReader::num(const char* key, int def) const {
  auto text = value(key);
  auto n = text ? parseInteger(*text) : std::nullopt;
  return n ? *n : def;
}

void Family::readRecord(const IniFile& ini, size_t section, LoadContext& ctx) const {
  RecordReader r{ini, section};
  const std::string kind = r.str("Control", "");
  const RecordTable& table = records();
  const RecordRow* row = table.byKind(kind);
  if (!row) return;  // an unknown kind creates nothing
  if (row->readSpecial) return row->readSpecial(r, ctx);
  std::unique_ptr<Control> c = createControl(row->cls);
  for (const RecRead& k : row->read)
    if (const RecKey* key = writtenKey(*row, k.key)) readKey(r, *key, k.value, table.keepEmptyItems, *c);
  for (const RecRead& f : row->fixed) {
    const PropInfo* p = c->property(f.key);
    if (!p) continue;
    if (const auto* n = std::get_if<long long>(&f.value))
      setNumber(*c, *p, *n);
    else
      p->set(*c, PropValue(std::string(textOf(f.value))));
  }
  finishRead(r, ctx, std::move(c), kind);
}

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

}  // namespace tw
