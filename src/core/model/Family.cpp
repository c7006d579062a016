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

}  // namespace tw
