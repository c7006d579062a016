#pragma once
// Text measurement in the handheld's fonts, for the rules that size controls to their text.
#include <string_view>

#include "Font.h"

namespace tw {

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual int textWidth(const Font& font, std::string_view text) const = 0;
  virtual int textHeight(const Font& font, std::string_view text) const = 0;
};

}  // namespace tw
