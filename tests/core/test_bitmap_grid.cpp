// The bitmap editor's bit set: reading StringBits as the picture shows it, writing it back at full
// length in lower case.
#include <gtest/gtest.h>

#include <cctype>

#include "PaintTest.h"
#include "ccontrols/CCBitmap.h"
#include "graphics/BitmapFont.h"
#include "model/BitmapGrid.h"

using tw::BitmapGrid;

namespace {

std::string rows(const BitmapGrid& g) {
  std::string out;
  for (int r = 0; r < g.height(); ++r) {
    for (int c = 0; c < g.width(); ++c) out += g.at(c, r) ? '#' : '.';
    out += '/';
  }
  return out;
}

}  // namespace

// Reading takes either case and skips the bits beyond the edge; a short text leaves white, other
// characters are 0 in their place, a long one is cut at the last row. Writing is whole digits in lower case.
TEST(BitmapGrid, ReadsAsThePictureShowsAndWritesWholeDigitsInLowerCase) {
  const struct {
    const char* text;
    int w, h;
    const char *rows, *written;
  } cases[] = {
      {"FC84", 6, 2, "######/#....#/", "fc84"},       {"fC84", 6, 2, "######/#....#/", "fc84"},
      {"FFFF", 6, 2, "######/######/", "fcfc"},       {"8G 1F", 8, 3, "#......./.......#/####..../", "8001f0"},
      {"", 4, 2, "..../..../", "00"},                 {"123456", 4, 2, "...#/..#./", "12"},
  };
  for (const auto& c : cases) {
    BitmapGrid g = BitmapGrid::read(c.text, c.w, c.h);
    EXPECT_EQ(rows(g), c.rows) << c.text;
    EXPECT_EQ(g.write(), c.written) << c.text;
  }
  BitmapGrid g(5, 1);
  for (int c : {0, 2, 4}) g.set(c, 0, true);
  EXPECT_EQ(g.write(), "a8");  // 1010, then 1 padded to 1000
  BitmapGrid tall(1, 3);
  tall.set(0, 1, true);
  EXPECT_EQ(tall.write(), "080");  // each row starts a new digit
  EXPECT_EQ(BitmapGrid(20, 20).write(), std::string(100, '0'));
  EXPECT_EQ(BitmapGrid(0, 5).write(), "");
  EXPECT_EQ(BitmapGrid(-3, -3).write(), "");
}

TEST(BitmapGrid, EditingStaysInsideThePicture) {
  BitmapGrid g(3, 2);
  g.invert(1, 1);
  g.invert(9, 0);   // outside: nothing
  g.set(-1, 0, true);
  EXPECT_EQ(rows(g), ".../.#./");
  g.invert(1, 1);
  EXPECT_FALSE(g.at(1, 1));
  g.set(0, 0, true);
  g.clear();
  EXPECT_EQ(g.write(), "00");
}

// Hex digits are read in three places (the editor's grid, the image's paint, a font's bitmap rows):
// each digit in either case reads as its value, and its neighbours in the character set do not.
TEST(BitmapGrid, EveryHexDigitReadsAsItsValueWhereverBitsAreRead) {
  const std::string head = "STARTFONT 2.1\nFONTBOUNDINGBOX 4 1 0 0\nSTARTCHAR A\nENCODING 65\nDWIDTH 4 0\n"
                           "BBX 4 1 0 0\nBITMAP\n";
  for (char ch : std::string("0123456789abcdefABCDEF/:@G`g")) {
    SCOPED_TRACE(std::string(1, ch));
    const int value = std::isxdigit(static_cast<unsigned char>(ch)) ? std::stoi(std::string(1, ch), nullptr, 16) : 0;
    std::string pixels;
    for (int bit = 3; bit >= 0; --bit) pixels += (value >> bit) & 1 ? '#' : '.';
    EXPECT_EQ(rows(BitmapGrid::read(std::string(1, ch), 4, 1)), pixels + "/");
    tw::TCCBitmap image;
    image.setBounds(0, 0, 4, 1);
    image.stringBits = std::string(1, ch);
    EXPECT_EQ(tw::testpaint::art(tw::testpaint::paintAlone(image)), pixels + "\n");
    auto font = tw::BitmapFont::parse(head + ch + "\nENDCHAR\n");
    EXPECT_EQ(bool(font), value > 0 || ch == '0');
    if (font) {
      EXPECT_EQ(font->rows(font->glyph('A'))[0], uint32_t(value) << 28);
    }
  }
}
