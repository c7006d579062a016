#include "Fonts.h"

#include <filesystem>
#include <system_error>

#include "base/Text.h"

namespace tw {
namespace {

// The handheld's advance widths of codes 32..255, one base-36 digit per code.
constexpr std::string_view kAdvances[3] = {
    // PilotStandard
    "22486872446634255555555555236665"
    "85556446624658675755666866635364"
    "35545545523528555544455666442475"
    "553856664b548aaaa33554477a448556"
    "22668625485664865644356242568885"
    "55555575444432337677777586666666"
    "55555584555522335555555675555656",
    // PilotBold
    "236a6d93556635366666666666336666"
    "a776755883576a787886778b77746465"
    "46656656634639666655666966553575"
    "653956554h65aaaaa33554467a55a557"
    "23678736486865865644467242689996"
    "77777796555533338788888687777778"
    "66666695666633336666666786666666",
    // PilotLarge
    "42496b82446834257777777777237775"
    "b967766873475a786865677b76535366"
    "3676774763362a777745476a67642475"
    "75375a664d549aaaa335556c7b54c558"
    "426688264a5774a45654366243578885"
    "99999997666632338788888687777666"
    "666666b6777732336777777677777767",
};

struct Metrics {
  int ascent, descent, capHeight;
};
constexpr Metrics kMetrics[3] = {{9, 2, 7}, {9, 2, 7}, {11, 3, 9}};

BitmapFont substitute(int i) {
  std::array<uint8_t, 224> adv{};
  for (size_t k = 0; k < adv.size(); ++k) {
    char c = kAdvances[i][k];
    adv[k] = static_cast<uint8_t>(c <= '9' ? c - '0' : c - 'a' + 10);
  }
  return BitmapFont::boxes(FontSet::faceName(FontFace(i)), kMetrics[i].ascent, kMetrics[i].descent,
                           kMetrics[i].capHeight, adv);
}


}  // namespace

FontSet::FontSet() {
  for (int i = 0; i < 3; ++i) faces_[i] = substitute(i);
}

const char* FontSet::faceName(FontFace f) {
  switch (f) {
    case FontFace::Bold: return "PilotBold";
    case FontFace::Large: return "PilotLarge";
    default: return "PilotStandard";
  }
}

std::string FontSet::fileName(FontFace f) { return std::string(faceName(f)) + ".fon"; }

FontFace FontSet::faceOf(std::string_view name) {
  // Face names are matched as the platform matches them, without regard to case.
  if (sameText(name, "PilotBold")) return FontFace::Bold;
  if (sameText(name, "PilotLarge")) return FontFace::Large;
  return FontFace::Standard;
}

std::vector<FontSet::Problem> FontSet::load(const std::string& dir) {
  std::vector<Problem> problems;
  for (FontFace f : {FontFace::Standard, FontFace::Large, FontFace::Bold}) {
    int i = int(f);
    std::string file = fileName(f);
    std::filesystem::path path = std::filesystem::path(dir) / file;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
      faces_[i] = substitute(i);
      loaded_[i] = false;
      problems.push_back({file, "Error: " + file + " not found", {}});
      continue;
    }
    std::string why;
    auto font = BitmapFont::load(path.string(), &why);
    if (!font) {
      faces_[i] = substitute(i);
      loaded_[i] = false;
      problems.push_back({file, "Error: " + file + " cannot be read (" + why + ")", why});
      continue;
    }
    faces_[i] = std::move(*font);
    loaded_[i] = true;
  }
  return problems;
}

int FontSet::textWidth(const Font& font, std::string_view text) const { return face(font.name).textWidth(text); }

// Any text is one line high; no text has no height, which is what makes an empty label 11 high.
int FontSet::textHeight(const Font& font, std::string_view text) const {
  return text.empty() ? 0 : face(font.name).lineHeight();
}

FontSet& handheldFonts() {
  static FontSet fonts;
  return fonts;
}

}  // namespace tw
