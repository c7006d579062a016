#pragma once
// The picture of a form document as the designer shows it: the handheld face, the screen with its controls
// back to front (a shown dialog's controls inside it), then the form window's menu bars and menus. The ui
// only shows this picture; the magnifier shows it enlarged; `tarnowick render` writes it.
#include "graphics/Canvas.h"

namespace tw {

class Control;
class FontSet;
class FormDocument;

// The face picture fills the form window's client area.
inline constexpr int kFaceWidth = 167, kFaceHeight = 227;

// The handheld face alone, drawn once: the case, the green screen area (the screen panel covers it but for a
// margin) and the silk-screen area with its writing area and four buttons below it.
const Canvas& handheldFace();

// Draws the whole picture into out (resized to the face when needed). Painting runs the paint-time rules
// of every shown control first, as the designer's paint does: labels size themselves, lists measure
// their rows, and so on.
void drawFormPicture(Canvas& out, FormDocument& form, const FontSet& fonts);
Canvas formPicture(FormDocument& form, const FontSet& fonts);
// The 160 x 160 screen alone, cut from the picture (menu bars and menus that lie over it included).
Canvas screenPicture(FormDocument& form, const FontSet& fonts);

// Paints a control and its children at (left, top) of the canvas's current origin, clipped to the
// control and to the canvas's clip; a hidden control and its children are skipped.
void drawControlTree(Canvas& canvas, Control& c, const FontSet& fonts);

}  // namespace tw
