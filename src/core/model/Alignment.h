#pragma once
// Align and same size: the selected controls that share the primary selection's parent take its
// left, right, top, bottom, width or height, each kind by the geometry its family's table gives.
#include "Design.h"

namespace tw {

class Family;
class FormDocument;

// The primary selection: the first screen child marked in the primary screen colour, or within a
// dialog met before it, the first child marked in the primary dialog colour. nullptr when none.
Control* alignReference(FormDocument& form);
void alignSelected(const Family& fam, FormDocument& form, AlignKind kind);

}  // namespace tw
