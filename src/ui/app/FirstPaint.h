#pragma once
// Work that the first look of a window does not need waits until that look is on the screen.
#include <functional>

class QWidget;

namespace tw::ui {

// Runs `then` once the window of `shown` (a shown top-level widget) has had its first expose
// painted and flushed; at once, from the event loop, when it is already exposed. Nothing runs if
// the window goes first.
void afterFirstPaint(QWidget& shown, std::function<void()> then);

}  // namespace tw::ui
