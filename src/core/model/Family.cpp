#include "Family.h"

#include <vector>

#include "CCForm.h"
#include "PTDialog.h"

namespace tw {
namespace {
std::vector<const Family*>& families() {
  static std::vector<const Family*> list;  // filled while the program starts, read only after
  return list;
}
}  // namespace

void registerFamily(const Family& family) { families().push_back(&family); }

const Family* familyFor(int library) {
  for (const Family* f : families())
    if (f->library() == library) return f;
  return nullptr;
}

std::string libraryName(int library) {
  const Family* f = familyFor(library);
  return f ? f->name() : "";
}

// The class registry: the model creates its own classes, each family the classes it defines.
std::unique_ptr<Control> createControl(ClassId id) {
  switch (id) {
#define TW_CLASS(id, T, layer) TW_CREATE_##layer(id, T)
#define TW_CREATE_model(id, T) \
  case ClassId::id:            \
    return std::make_unique<T>();
#define TW_CREATE_ccontrols(id, T)
#define TW_CREATE_ptoolbox(id, T)
#include "Classes.def"
    default:
      break;
  }
  for (const Family* f : families())
    if (auto c = f->create(id)) return c;
  return nullptr;
}


const KindRow* Family::kindOf(const Control& c) const {
  std::string word = kindWord(c);
  for (const auto& k : design().kinds)
    if (word == k.word) return &k;
  return nullptr;
}

const KindRow* Family::kindFor(Tool tool) const {
  if (tool == Tool::None) return nullptr;
  for (const auto& k : design().kinds)
    if (k.tool == tool) return &k;
  return nullptr;
}

const AlignGeom* Family::alignOf(ClassId cls) const {
  for (const auto& a : design().align)
    if (a.cls == cls) return &a;
  return nullptr;
}

}  // namespace tw
