#pragma once
// The handheld's three fonts, "PilotStandard", "PilotBold" and "PilotLarge", read from their files in a data
// folder. Until a face is loaded (or when its file is missing or damaged) it is a font of boxes with the
// handheld's metrics and advances, so text widths and control sizes stay right.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "BitmapFont.h"
#include "graphics/TextMetrics.h"

namespace tw {

enum class FontFace { Standard = 0, Bold = 1, Large = 2 };

class FontSet : public TextMetrics {
 public:
  struct Problem {
    std::string file;     // "PilotBold.fon"
    std::string message;  // for the user: "Error: PilotBold.fon not found"
    std::string detail;   // why, for a damaged file (empty when the file is missing)
  };

  FontSet();

  // Loads the three files from dir in the order Standard, Large, Bold. Returns one problem per file that is
  // missing or damaged; those faces keep their box substitutes. Faces loaded earlier are replaced.
  std::vector<Problem> load(const std::string& dir);

  // The face by its name; names other than the three give PilotStandard.
  const BitmapFont& face(std::string_view name) const { return faces_[int(faceOf(name))]; }
  const BitmapFont& face(FontFace f) const { return faces_[int(f)]; }
  bool isLoaded(FontFace f) const { return loaded_[int(f)]; }

  static FontFace faceOf(std::string_view name);
  static const char* faceName(FontFace f);  // "PilotStandard", ...
  static std::string fileName(FontFace f);  // "PilotStandard.fon", ...

  // TextMetrics: by the font's face name; the height is the face's line height for any text.
  int textWidth(const Font& font, std::string_view text) const override;
  int textHeight(const Font& font, std::string_view text) const override;

 private:
  std::array<BitmapFont, 3> faces_;
  std::array<bool, 3> loaded_{};
};

// The process-wide fonts: the ui and the command line load them once at start-up; painting reads them.
FontSet& handheldFonts();

}  // namespace tw
