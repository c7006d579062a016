#pragma once
// How the CControls widgets look on the design surface.
namespace tw {

class Canvas;
class Control;
class FontSet;

// Paints a widget of this family (and the button, switch and bitmap that PToolboxLib forms use) in its own
// coordinates; see paintControl.
void paintCControl(Canvas& canvas, const Control& c, const FontSet& fonts);

}  // namespace tw
