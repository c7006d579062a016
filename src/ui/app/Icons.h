#pragma once
// Tool-bar icons drawn at run time in the handheld's style: one-pixel black lines, no smoothing.
#include <QIcon>
#include <functional>

#include "model/Design.h"

namespace tw::ui {

QIcon paletteIcon(Tool tool);
// "newproject", "saveproject", "newform", "openform", "openproject", "saveform", "cut", "copy",
// "paste", "aleft", "aright", "atop", "abottom", "sheight", "swidth".
QIcon commandIcon(const char* name);
// An icon that `make` gives when it is first painted or measured.
QIcon deferredIcon(std::function<QIcon()> make);

}  // namespace tw::ui
