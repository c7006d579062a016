// The control clipboard: the payload text, copy, cut and paste.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "model/ControlStream.h"

namespace tw {
namespace {

// Every stored property of a control as text, for comparing two controls.
std::string storedValues(const Control& c) {
  std::string payload = writeControlPayload(c, "x");
  return payload.substr(payload.find("\nName=x\n"));
}

}  // namespace

TEST(DesignClipboard, PayloadCarriesEveryStoredPropertyOfEveryClass) {
  for (int i = 0; i < kClassCount; ++i) {
    if (ClassId(i) == ClassId::CCForm) continue;
    auto c = createControl(ClassId(i));
    // Values unlike the constructor's, awkward texts included.
    for (const PropInfo& p : c->properties()) {
      if (!p.stored) continue;
      switch (p.type) {
        case PropType::Integer: p.set(*c, PropValue(7LL)); break;
        case PropType::Colour: p.set(*c, PropValue(0x123456LL)); break;
        case PropType::Alignment: p.set(*c, PropValue(2LL)); break;
        case PropType::Boolean: p.set(*c, PropValue(true)); break;
        case PropType::String: p.set(*c, PropValue(std::string("a|b\\c=d é"))); break;
        case PropType::Font: {
          Font f;
          f.name = kFontLarge;
          f.bold = true;
          p.set(*c, PropValue(f));
          break;
        }
        case PropType::Strings:
          p.set(*c, PropValue(std::vector<std::string>{"", "x|y", "\\", "Zoë"}));
          break;
      }
    }
    std::string why;
    auto back = readControlPayload(writeControlPayload(*c, "Copiado"), &why);
    ASSERT_TRUE(back) << c->className() << ": " << why;
    EXPECT_EQ(back->name, "Copiado");
    EXPECT_EQ(back->control->classId(), c->classId());
    EXPECT_EQ(storedValues(*back->control), storedValues(*c)) << c->className();
  }
}

// Past its size the reader reads nothing; the other refusals are in the clipboard's scripts.
TEST(DesignClipboard, PayloadReaderRefusesTooMuch) {
  std::string why;
  EXPECT_FALSE(readControlPayload(std::string((1 << 20) + 1, 'x'), &why));
  EXPECT_EQ(why, "the clipboard's content is too large");
}

// Copy, cut and paste within a form, between forms, into dialogs, and what is refused.
TEST(DesignClipboard, Scripts) { runDesignScripts("design-clipboard.txt"); }

}  // namespace tw
