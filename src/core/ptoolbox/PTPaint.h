#pragma once
// How the PToolboxLib widgets look on the design surface.
namespace tw {

class Canvas;
class Control;
class FontSet;

// Paints a widget of this family (the TPT classes) in its own coordinates; see paintControl.
void paintPToolboxControl(Canvas& canvas, const Control& c, const FontSet& fonts);

}  // namespace tw
