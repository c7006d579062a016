// The control clipboard: the payload text, copy, cut and paste.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"
#include "ccontrols/CCButton.h"
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

// Each refusal names its reason, so that the user learns why nothing was pasted.
TEST(DesignClipboard, PayloadReaderRefusesWhatIsNotAControl) {
  const std::string head = "TarnowickControl 1\nClass=TCCButton\n", named = head + "Name=x\n";
  const std::string notControl = "the clipboard does not hold a control", unknownClass = "the clipboard holds a control of an unknown class";
  const std::string cp = "has characters that the handheld's character set cannot hold";
  const std::pair<std::string, std::string> bad[] = {
      {"", notControl},
      {"hello\nClass=TCCButton\nName=x\n", notControl},
      {"TarnowickControl 2\nClass=TCCButton\nName=x\n", notControl},
      {head, notControl},
      {"TarnowickControl 1\nClass=TCCForm\nName=x\n", unknownClass},
      {"TarnowickControl 1\nClass=TWhatever\nName=x\n", unknownClass},
      {"TarnowickControl 1\nKind=TCCButton\nName=x\n", unknownClass},
      {"TarnowickControl 1\nClassTCCButton\nName=x\n", unknownClass},
      {head + "Left=1\n", "the clipboard's control has no name"},
      {head + "Name\n", "the clipboard's control has no name"},
      {head + "Name=a\\qb\n", "the clipboard's control has a malformed name"},
      {head + "Name=a|b\n", "the clipboard's control has a malformed name"},
      {head + "Name=\xff\n", "the clipboard's control has a malformed name"},
      {head + "Name=a\\nb\n", "the clipboard's control has a malformed name"},
      {named + "Left\n", "the clipboard's control has a malformed line"},
      {named + "NoSuch=1\n", "the clipboard's control has an unknown property NoSuch"},
      {named + "UserLeft=1\n", "the clipboard's control has an unknown property UserLeft"},  // derived
      {named + "Left=abc\n", "a wrong value of Left"},
      {named + "Visible=2\n", "a wrong value of Visible"},
      {named + "Content=a\\qb\n", "a malformed value of Content"},
      {named + "Content=a\\nb\n", "Line breaks and other control characters cannot be kept in a form file"},
      {named + "Content=\xff\n", "'\xff' " + cp},
      {named + "Font=Arial\n", "a malformed value of Font"},
      {"TarnowickControl 1\nClass=TCCListBox\nName=x\nItems=3|a|b\n", "a malformed value of Items"},
      {"TarnowickControl 1\nClass=TCCListBox\nName=x\nItems=|a\n", "a malformed value of Items"},
      {"TarnowickControl 1\nClass=TCCListBox\nName=x\nItems=1|\xff\n", "'\xff' " + cp},
      {named + "Alignment=5\n", "a wrong value of Alignment"},
      {named + "Alignment=-1\n", "a wrong value of Alignment"},
      {std::string((1 << 20) + 1, 'x'), "the clipboard's content is too large"},
  };
  for (const auto& [text, reason] : bad) {
    std::string why;
    EXPECT_FALSE(readControlPayload(text, &why)) << text.substr(0, 80);
    EXPECT_EQ(why, reason) << text.substr(0, 80);
  }
  // A control of only its class and name takes the class's own values; CR LF reads as LF.
  TCCButton b;
  auto bare = readControlPayload("TarnowickControl 1\r\nClass=TCCButton\r\nName=x\r\n\r\n", nullptr);
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->name, "x");
  EXPECT_EQ(writeControlPayload(*bare->control, "x"), writeControlPayload(b, "x"));
  auto full = readControlPayload(writeControlPayload(b, "B"), nullptr);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->name, "B");
}

// Copy, cut and paste within a form, between forms, into dialogs, and what is refused.
TEST(DesignClipboard, Scripts) { runDesignScripts("design-clipboard.txt"); }

}  // namespace tw
