#include <gtest/gtest.h>

#include <random>
#include <string>

#include "TestFiles.h"
#include "graphics/BitmapFont.h"
#include "graphics/Canvas.h"
#include "graphics/Fonts.h"

using namespace tw;

namespace {

const char* const kFaces[3] = {"PilotStandard", "PilotBold", "PilotLarge"};

int inkRows(const BitmapFont& f, unsigned char code) {
  const auto& g = f.glyph(code);
  int rows = 0;
  for (int r = 0; r < g.height; ++r) rows += f.rows(g)[r] != 0;
  return rows;
}

}  // namespace

TEST(Fonts, ShippedFacesHaveTheHandheldMetrics) {
  FontSet fonts, boxes;
  ASSERT_TRUE(fonts.load(TW_DATA_DIR).empty());
  TempDir none;
  boxes.load(none.path);  // the substitutes, which must measure as the shipped faces do
  const int lineHeight[3] = {11, 11, 14}, ascent[3] = {9, 9, 11}, capHeight[3] = {7, 7, 9}, xHeight[3] = {5, 5, 7};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(kFaces[i]);
    const BitmapFont& f = fonts.face(kFaces[i]);
    EXPECT_TRUE(fonts.isLoaded(FontFace(i)));
    EXPECT_EQ(f.name(), kFaces[i]);
    EXPECT_EQ(f.lineHeight(), lineHeight[i]);
    EXPECT_EQ(f.ascent(), ascent[i]);
    EXPECT_EQ(inkRows(f, 'A'), capHeight[i]);
    EXPECT_EQ(f.glyph('A').top + f.glyph('A').height, ascent[i]);  // "A" stands on the baseline
    EXPECT_EQ(inkRows(f, 'x'), xHeight[i]);
    EXPECT_EQ(fonts.textHeight(Font{kFaces[i]}, "A"), lineHeight[i]);
    EXPECT_EQ(fonts.textHeight(Font{kFaces[i]}, ""), 0);
    Canvas c(10, 10);
    c.setFont(f);
    EXPECT_EQ(c.textHeight("Ag"), lineHeight[i]);
    // every code has its advance, and its ink stays inside its cell
    for (int code = 32; code < 256; ++code) {
      const auto& g = f.glyph(static_cast<unsigned char>(code));
      const int adv = boxes.face(kFaces[i]).glyph(static_cast<unsigned char>(code)).advance;
      ASSERT_TRUE(g.present) << code;
      EXPECT_EQ(g.advance, adv) << code;
      EXPECT_GE(g.left, 0) << code;
      EXPECT_LE(g.left + g.width, adv) << code;
      EXPECT_GE(g.top, 0) << code;
      EXPECT_LE(g.top + g.height, f.lineHeight()) << code;
      if (code != 32 && code != 160) {
        EXPECT_GT(g.width, 0) << code;
      }
    }
  }
}

TEST(Fonts, TextWidthIsTheSumOfTheAdvances) {
  FontSet fonts;
  ASSERT_TRUE(fonts.load(TW_DATA_DIR).empty());
  struct Case {
    const char* face;
    const char* text;
    int width;
  } cases[] = {
      {"PilotStandard", "OK", 13},         {"PilotStandard", "Hello, World!", 51},
      {"PilotStandard", "Button1", 33},    {"PilotStandard", "\u20AC\u00FC", 10},  // Euro is code 128
      {"PilotBold", "OK", 15},             {"PilotBold", "Hello, World!", 65},
      {"PilotBold", "\u20AC\u00FC", 12},   {"PilotLarge", "OK", 15},
      {"PilotLarge", "Button1", 42},       {"PilotLarge", "Hello, World!", 65},
      {"PilotLarge", "", 0},               {"pilotlarge", "\u20AC\u00FC", 14},  // face names ignore case
      {"Arial", "OK", 13},                 // unknown faces draw as PilotStandard
  };
  for (const Case& k : cases) {
    EXPECT_EQ(fonts.face(k.face).textWidth(k.text), k.width) << k.face << " " << k.text;
    EXPECT_EQ(fonts.textWidth(Font{k.face}, k.text), k.width) << k.face << " " << k.text;
  }
  // A character without a Windows-1252 code, or a broken UTF-8 byte, counts as '?'.
  const BitmapFont& s = fonts.face("PilotStandard");
  EXPECT_EQ(s.textWidth("\u4E2D"), s.advance('?'));
  EXPECT_EQ(s.textWidth("\xC3"), s.advance('?'));
  EXPECT_EQ(s.textWidth("\xC3" "A"), s.advance('?') + s.advance('A'));  // the A is no continuation byte
  EXPECT_EQ(s.textWidth("\xF8\x80\x80\x80"), 4 * s.advance('?'));  // no sequence starts with F8
  EXPECT_EQ(s.textWidth("\xE0\xA0\x80"), s.advance('?'));  // U+0800, the first character of three bytes
}

TEST(Fonts, MissingOrDamagedFilesGiveMessagesAndBoxSubstitutes) {
  TempDir dir;
  std::string good = readWholeFile(std::string(TW_DATA_DIR) + "/PilotBold.fon").value_or("");
  ASSERT_FALSE(good.empty());
  // Bold is fine, Large is damaged, Standard is missing.
  writeText(dir.path + "/PilotBold.fon", good);
  writeText(dir.path + "/PilotLarge.fon", good.substr(0, good.size() / 2));
  FontSet fonts;
  auto problems = fonts.load(dir.path);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].message, "Error: PilotStandard.fon not found");
  EXPECT_EQ(problems[1].file, "PilotLarge.fon");
  EXPECT_NE(problems[1].message.find("PilotLarge.fon"), std::string::npos);
  EXPECT_FALSE(problems[1].detail.empty());
  EXPECT_TRUE(fonts.isLoaded(FontFace::Bold));
  EXPECT_FALSE(fonts.isLoaded(FontFace::Large));
  // The substitutes measure like the real faces and draw boxes.
  EXPECT_EQ(fonts.face("PilotStandard").textWidth("Hello, World!"), 51);
  EXPECT_EQ(fonts.face("PilotLarge").textWidth("Button1"), 42);
  EXPECT_EQ(fonts.face("PilotLarge").lineHeight(), 14);
  EXPECT_EQ(inkRows(fonts.face("PilotLarge"), 'A'), 9);
  Canvas c(20, 14);
  c.setFont(fonts.face("PilotStandard"));
  c.textOut(0, 0, "A");
  EXPECT_EQ(c.at(0, 2), 0u);  // top-left corner of the box
  EXPECT_EQ(c.at(3, 8), 0u);  // bottom-right corner, on the baseline row
  EXPECT_EQ(c.at(1, 5), 0xFFFFFFu);
}

TEST(Fonts, DamagedBdfIsRefusedWithoutCrashing) {
  const std::string head =
      "STARTFONT 2.1\nSTARTPROPERTIES 2\nFONT_ASCENT 9\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\n";
  const std::string glyph = "STARTCHAR A\nENCODING 65\nDWIDTH 5 0\nBBX 4 2 0 0\nBITMAP\nF0\n90\nENDCHAR\n";
  std::string error;
  auto ok = BitmapFont::parse(head + glyph + "ENDFONT\n", &error);
  ASSERT_TRUE(ok) << error;
  EXPECT_EQ(ok->advance('A'), 5);
  EXPECT_EQ(ok->glyph('A').top, 7);
  EXPECT_EQ(ok->rows(ok->glyph('A'))[1], 0x90000000u);

  // Each refusal says which rule the file broke, and on which line: each font of fonts-refused.txt
  // after the error it must give.
  const GoldenBlocks bad = goldenBlocks("fonts-refused.txt");
  ASSERT_EQ(bad.size(), 31u);
  for (const auto& [what, block] : bad) {
    const size_t eol = block.find('\n');
    error.clear();
    EXPECT_FALSE(BitmapFont::parse(block.substr(eol + 1), &error)) << what;
    EXPECT_EQ("error: " + error, block.substr(0, eol)) << what;
  }
  // The widest advance and a glyph as wide as a row are taken; the box gives the metrics when the
  // properties do not.
  auto edge = BitmapFont::parse("STARTFONT 2.1\nFONTBOUNDINGBOX 32 12 0 -3\nSTARTCHAR A\nENCODING 65\n"
                                "DWIDTH 64 0\nBBX 32 1 0 0\nBITMAP\nFFFFFFFF\nENDCHAR\n", &error);
  ASSERT_TRUE(edge) << error;
  EXPECT_EQ(edge->advance('A'), 64);
  EXPECT_EQ(edge->ascent(), 9);
  EXPECT_EQ(edge->lineHeight(), 12);
  EXPECT_EQ(edge->rows(edge->glyph('A'))[0], 0xFFFFFFFFu);
  // Ascent and descent may each reach 64.
  auto tall = BitmapFont::parse("STARTFONT 2.1\nSTARTPROPERTIES 2\nFONT_ASCENT 64\nFONT_DESCENT 64\nENDPROPERTIES\n" + glyph, &error);
  ASSERT_TRUE(tall) << error;
  EXPECT_EQ(tall->lineHeight(), 128);

  // The face name wins over the family name; one pair of outer quotes and outer blanks go.
  const std::pair<std::string, std::string> names[] = {
      {"FACE_NAME \"Pilot Std\" \r\nFAMILY_NAME \"Fam\"\n", "Pilot Std"},
      {"FAMILY_NAME   Fam  \n", "Fam"},
      {"FACE_NAME \"\n", "\""},
      {"FACE_NAME \"\"Q\"\"\n", "\"Q\""},
      {"FACE_NAME 'x'\n", "'x'"},
  };
  for (const auto& [props, name] : names) {
    auto f = BitmapFont::parse("STARTFONT 2.1\nSTARTPROPERTIES 3\nFONT_ASCENT 9\nFONT_DESCENT 2\n" + props +
                               "ENDPROPERTIES\n" + glyph);
    ASSERT_TRUE(f) << props;
    EXPECT_EQ(f->name(), name) << props;
  }
  // Glyphs outside 0..255 are skipped, not stored.
  auto skipped = BitmapFont::parse(head + glyph + "STARTCHAR x\nENCODING 4660\nDWIDTH 5 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n");
  ASSERT_TRUE(skipped);
  EXPECT_EQ(skipped->glyphCount(), 1);

  // Random damage to a real file: every outcome is a font or a refusal, and drawing with what loads is safe.
  std::string real = readWholeFile(std::string(TW_DATA_DIR) + "/PilotLarge.fon").value_or("");
  ASSERT_FALSE(real.empty());
  std::mt19937 rng(7);
  Canvas c(40, 20);
  for (int k = 0; k < 200; ++k) {
    std::string t = real;
    for (int m = 0; m < 8; ++m) {
      size_t at = rng() % t.size();
      switch (rng() % 3) {
        case 0: t[at] = char(rng()); break;
        case 1: t.erase(at, rng() % 200); break;
        default: t.insert(at, std::string(rng() % 5, "0123456789ABCDEF -\n"[rng() % 19])); break;
      }
      if (t.empty()) t = "x";
    }
    auto f = BitmapFont::parse(t);
    if (f) {
      c.setFont(*f);
      c.textOut(-5, -3, "Damaged \xC3\xA9\xE2\x82\xAC text");
      EXPECT_GE(c.textWidth("abc"), 0);
    }
  }
  EXPECT_FALSE(BitmapFont::load("/nonexistent/PilotLarge.fon", &error));
  EXPECT_NE(error.find("/nonexistent/PilotLarge.fon"), std::string::npos);
}
