#pragma once
#include "Control.h"

namespace tw {

// A class's published properties: the panel's, its own, then the User geometry it has.
inline PropList withBase(std::initializer_list<PropInfo> own, unsigned userParts = 0) {
  PropList list = Control::baseProperties();
  list.insert(list.end(), own);
  addUserProperties(list, userParts);
  return list;
}

}  // namespace tw
