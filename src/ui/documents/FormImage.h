#pragma once
// Core's picture of a form document as a QImage of its client area, pixel for pixel.
#include <QImage>

namespace tw {
class FormDocument;
}

namespace tw::ui {

inline constexpr int kFormClientWidth = 167, kFormClientHeight = 226;
// Where the screen lies in the client area.
inline constexpr int kScreenLeft = 4, kScreenTop = 2;

QImage formImage(FormDocument& form);

}  // namespace tw::ui
