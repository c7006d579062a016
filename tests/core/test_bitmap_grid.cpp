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

TEST(BitmapGrid, ReadsEitherCaseSkipsSpareBitsAndWritesLowerCase) {
  // Six pixels a row take two digits; the second digit's two low bits lie beyond the edge.
  BitmapGrid g = BitmapGrid::read("FC84", 6, 2);
  EXPECT_EQ(rows(g), "######/#....#/");
  EXPECT_EQ(g.write(), "fc84");
  EXPECT_EQ(BitmapGrid::read("fC84", 6, 2).write(), "fc84");
  // Spare bits set in the text are dropped on writing.
  EXPECT_EQ(BitmapGrid::read("FFFF", 6, 2).write(), "fcfc");
}

TEST(BitmapGrid, WritesRowsPaddedToWholeDigits) {
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

TEST(BitmapGrid, ShortTextAndOtherCharactersLeaveWhite) {
  // Row 1 has only one of its two digits, row 2 none; "G" and a blank are 0 but keep their place.
  BitmapGrid g = BitmapGrid::read("8G 1F", 8, 3);
  EXPECT_EQ(rows(g), "#......./.......#/####..../");
  EXPECT_EQ(g.write(), "8001f0");
  BitmapGrid empty = BitmapGrid::read("", 4, 2);
  EXPECT_EQ(empty.write(), "00");
  // A text longer than the picture is cut at the last row.
  EXPECT_EQ(BitmapGrid::read("123456", 4, 2).write(), "12");
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
