#include "Font.h"

#include <cstdio>
#include <vector>

#include "base/Text.h"
#include "ini/IniFile.h"

namespace tw {
namespace {

struct NamedColour {
  const char* name;
  uint32_t value;
};

constexpr NamedColour kColours[] = {
    {"clBlack", 0x000000},        {"clMaroon", 0x000080},       {"clGreen", 0x008000},
    {"clOlive", 0x008080},        {"clNavy", 0x800000},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},         {"clGray", 0x808080},         {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},          {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},         {"clFuchsia", 0xFF00FF},      {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},        {"clMoneyGreen", 0xC0DCC0},   {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},        {"clMedGray", 0xA4A0A0},      {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001}, {"clActiveCaption", 0x80000002}, {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},       {"clWindow", 0x80000005},     {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},   {"clWindowText", 0x80000008}, {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A}, {"clInactiveBorder", 0x8000000B}, {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},  {"clHighlightText", 0x8000000E}, {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},  {"clGrayText", 0x80000011},   {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013}, {"clBtnHighlight", 0x80000014}, {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},    {"clInfoText", 0x80000017},   {"clInfoBk", 0x80000018},
    {"clNone", 0x1FFFFFFF},       {"clDefault", 0x20000000},
};

std::vector<std::string_view> splitCommas(std::string_view s) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    size_t comma = s.find(',', start);
    parts.push_back(s.substr(start, comma == s.npos ? s.npos : comma - start));
    if (comma == s.npos) return parts;
    start = comma + 1;
  }
}

}  // namespace

std::string colourToText(Colour c) {
  for (const auto& n : kColours)
    if (Colour(n.value) == c) return n.name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<uint32_t>(c));
  return buf;
}

std::optional<Colour> colourFromText(std::string_view s) {
  for (const auto& n : kColours)
    if (sameText(n.name, s)) return Colour(n.value);
  if (auto v = parseInteger(s)) return Colour(*v);
  return std::nullopt;
}

std::string fontToText(const Font& f) {
  std::string style;
  if (f.bold) style += 'B';
  if (f.italic) style += 'I';
  if (f.underline) style += 'U';
  if (f.strikeOut) style += 'S';
  return f.name + ',' + std::to_string(f.size) + ',' + style + ',' + std::to_string(f.pitch) + ',' +
         colourToText(f.colour) + ',' + std::to_string(f.charset);
}

bool fontFromText(std::string_view text, Font& f) {
  auto parts = splitCommas(text);
  if (parts.size() != 6) return false;
  auto size = parseInteger(parts[1]);
  auto pitch = parseInteger(parts[3]);
  auto colour = colourFromText(parts[4]);
  auto charset = parseInteger(parts[5]);
  if (parts[0].empty() || !size || !pitch || !colour || !charset) return false;
  Font out;
  out.name = std::string(parts[0]);
  out.size = *size;
  for (char c : parts[2]) {
    out.bold |= c == 'B' || c == 'b';
    out.italic |= c == 'I' || c == 'i';
    out.underline |= c == 'U' || c == 'u';
    out.strikeOut |= c == 'S' || c == 's';
  }
  out.pitch = *pitch >= 0 && *pitch <= 2 ? *pitch : 0;
  out.colour = *colour;
  out.charset = *charset & 0xFF;
  f = out;
  return true;
}

}  // namespace tw
