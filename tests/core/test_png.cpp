#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

#include "graphics/Canvas.h"
#include "PngDecode.h"
#include "TestFiles.h"
#include "graphics/Png.h"

using namespace tw;
using namespace tw::testpng;

TEST(Png, ChecksumsMatchKnownValues) {
  const uint8_t text[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(crc32(text, 9), 0xCBF43926u);
  EXPECT_EQ(adler32(reinterpret_cast<const uint8_t*>("Wikipedia"), 9), 0x11E60398u);
}

TEST(Png, EncodedPicturesDecodeToTheirPixels) {
  // A drawn picture (long runs) and noise (no runs) both come back exactly.
  Canvas drawn(161, 37);
  drawn.brush.color = 0x123456;
  drawn.polygon({{3, 3}, {150, 5}, {120, 30}});
  drawn.line(0, 36, 160, 0);
  Canvas noise(23, 19);
  std::mt19937 rng(3);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 23; ++x) noise.setPixel(x, y, Colour(rng() & 0xFFFFFF));
  for (const Canvas* c : {&drawn, &noise}) {
    Canvas back = decode(encodePng(*c));
    ASSERT_EQ(back.width(), c->width());
    ASSERT_EQ(back.height(), c->height());
    EXPECT_TRUE(std::equal(back.data(), back.data() + size_t(c->width()) * size_t(c->height()), c->data()));
  }
  EXPECT_LT(encodePng(drawn).size(), 161u * 37u);  // a drawn picture compresses
}

TEST(Png, WritesAFileOrReportsWhyNot) {
  TempDir dir;
  Canvas c(160, 160);
  c.line(0, 0, 160, 160);
  std::string path = dir.path + "/screen.png", error;
  ASSERT_TRUE(writePng(path, c, &error)) << error;
  std::string bytes = readWholeFile(path).value_or("");
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), encodePng(c));
  EXPECT_FALSE(fileExists(path + ".tmp"));

  EXPECT_FALSE(writePng(dir.path + "/no/such/x.png", c, &error));
  EXPECT_NE(error.find("x.png"), std::string::npos);
  EXPECT_FALSE(writePng(path, Canvas(), &error));  // an empty picture is refused, the old file stays
  EXPECT_EQ(readWholeFile(path), bytes);
  // A folder in the way: nothing is written, and the picture made for it does not stay behind.
  makeDir(dir.path + "/taken.png");
  makeDir(dir.path + "/taken.png/inside");
  EXPECT_FALSE(writePng(dir.path + "/taken.png", c, &error));
  EXPECT_FALSE(fileExists(dir.path + "/taken.png.tmp"));
}
