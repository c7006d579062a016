#pragma once
// A control's font and the colour texts it is written with.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Colours are 0x00BBGGRR; values with the top bit set name system colours, as the framework's do.
using Colour = int32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour clWindowText = Colour(0x80000008);

std::string colourToText(Colour c);                       // "clWhite", "$00123456"
std::optional<Colour> colourFromText(std::string_view s);  // names, "$" hex or decimal

struct Font {
  std::string name = "PilotStandard";
  int size = 10;  // points; at 96 pixels per inch the pixel height is size * 96 / 72
  bool bold = false, italic = false, underline = false, strikeOut = false;
  int pitch = 0;  // 0 default, 1 variable, 2 fixed
  Colour colour = clWindowText;
  int charset = 2;

  bool operator==(const Font&) const = default;
};

// Six comma-separated fields: name, size, style letters (B I U S), pitch, colour, character set.
std::string fontToText(const Font& f);
// Applies a font text; a text that is not six fields leaves the font as it was and returns false.
bool fontFromText(std::string_view text, Font& f);

// The handheld's three faces, shown to the user as "Standard", "Bold", "Large".
inline constexpr const char* kFontStandard = "PilotStandard";
inline constexpr const char* kFontBold = "PilotBold";
inline constexpr const char* kFontLarge = "PilotLarge";

}  // namespace tw
