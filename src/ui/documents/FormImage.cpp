#include "FormImage.h"

#include "graphics/Fonts.h"
#include "model/FormDocument.h"
#include "model/FormPicture.h"

namespace tw::ui {

QImage formImage(FormDocument& form) {
  Canvas canvas = formPicture(form, handheldFonts());
  // Canvas pixels are 0x00BBGGRR words: bytes R, G, B, 0 in memory, which is RGBX8888.
  QImage view(reinterpret_cast<const uchar*>(canvas.data()), canvas.width(), canvas.height(),
              qsizetype(canvas.width()) * 4, QImage::Format_RGBX8888);
  return view.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tw::ui
