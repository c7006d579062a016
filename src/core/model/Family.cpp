#include "Family.h"

#include "ccontrols/CCFamily.h"
#include "ptoolbox/PTFamily.h"

namespace tw {

const Family* familyFor(int library) {
  static const CControlsFamily cc;
  static const PToolboxFamily pt;
  if (library == kLibCControls) return &cc;
  if (library == kLibPToolbox) return &pt;
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
