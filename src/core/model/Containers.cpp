// The screen and the dialog: the two classes that both libraries' forms hold controls in.
#include "CCForm.h"
#include "PTDialog.h"
#include "PropertyList.h"
#include "WidgetPaint.h"
#include "graphics/Fonts.h"

namespace tw {

const PropList& TCCForm::properties() const {
  using C = TCCForm;
  static const PropList list = withBase({intField("Style", &C::style), strField("Title", &C::title)});
  return list;
}

// The screen: the title tab at the top left and a two-pixel rule under it.
void TCCForm::paint(Canvas& cv, const FontSet& fonts) const {
  cv.fillRect({0, 13, 160, 15}, kBlack);
  cv.setFont(fonts.face(FontFace::Bold));
  const int right = cv.textWidth(title) + 4;
  solid(cv, kBlack);
  cv.polygon({{1, 0}, {right - 1, 0}, {right, 1}, {right, 12}, {0, 12}, {0, 1}});  // top corners rounded
  cv.brush.style = BrushStyle::Clear;
  cv.fontColor = color;
  inkText(cv, 3, 2, title);
}

// The title bar's text is bold, three pixels in, on a bar 12 pixels high between the frame's sides.
void TPTDialog::facts(ControlFacts& f) const { f.texts.push_back({title, width() - 6, 12, kFontBold}); }
void TCCForm::facts(ControlFacts& f) const { f.texts.push_back({title}); }

const PropList& TPTDialog::properties() const {
  static const PropList list = withBase({strField("Title", &TPTDialog::title)}, kUserAll);
  return list;
}

void TPTDialog::paint(Canvas& cv, const FontSet& fonts) const {
  if (tag == 0) return;  // a dialog that is not the shown one draws neither frame nor title
  const int w = width(), h = height();
  cv.pen = {kBlack, PenStyle::Solid};
  cv.brush.style = BrushStyle::Clear;
  cv.line(2, 0, w - 2, 0);
  cv.line(1, 1, w - 1, 1);
  cv.polygon({{0, 2}, {1, 2}, {1, h - 3}, {0, h - 3}});
  cv.polygon({{w - 2, 2}, {w - 1, 2}, {w - 1, h - 3}, {w - 2, h - 3}});
  cv.line(1, h - 2, w - 1, h - 2);
  cv.line(2, h - 1, w - 2, h - 1);
  cv.setPixel(2, h - 3, kBlack);
  cv.setPixel(w - 3, h - 3, kBlack);

  solid(cv, kBlack);
  cv.polygon({{2, 2}, {w - 3, 2}, {w - 3, 13}, {2, 13}});
  cv.setFont(fonts.face(FontFace::Bold));
  cv.fontColor = color;
  inkText(cv, (w - cv.textWidth(title)) / 2 + 1, 2, title);
}

}  // namespace tw
