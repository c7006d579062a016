// The two generators: whole texts for small forms, and the rules that tie lines together.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "codegen/Generate.h"
#include "model/FormFile.h"
#include "ini/IniFile.h"
#include "model/FormDocument.h"

using namespace tw;

namespace {

GeneratedCode generate(int lib, const std::vector<const FormDocument*>& forms, bool memos = false,
                       const std::string& first = "") {
  GenerateRequest r;
  r.library = lib;
  r.project = "Demo";
  r.forms = forms;
  r.settings.memos = memos;
  r.settings.firstForm = first;
  GeneratedCode code;
  std::string why;
  EXPECT_TRUE(generateCode(r, code, &why)) << why;
  return code;
}

std::string text(const Lines& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

using Forms = std::vector<std::unique_ptr<FormDocument>>;

// The forms of a block of code-forms.txt, each from its [FORM] line on.
Forms readForms(const std::string& name) {
  Forms forms;
  const std::string text = inputBlock("code-forms.txt", name);
  for (size_t at = text.find("[FORM]"), next; at != std::string::npos; at = next) {
    next = text.find("\n[FORM]", at);
    IniFile ini;
    ini.parse(text.substr(at, next == std::string::npos ? next : ++next - at));
    forms.push_back(std::make_unique<FormDocument>(int(ini.readInteger("FORM", "Lib", 1)), ini.readString("FORM", "Name", "")));
    std::vector<std::string> messages;
    loadForm(*forms.back(), ini, kWhite, &messages);
    EXPECT_TRUE(messages.empty()) << name << ": " << messages.front();
  }
  return forms;
}

}  // namespace

// The four texts of each small project, whole, in generated-code.txt; its forms are in code-forms.txt.
TEST(Generation, SmallProjectsGenerateTheirWholeTexts) {
  const struct {
    const char* name;
    const char* forms;
    bool memos;
    const char* first;
  } cases[] = {
      {"CControls example", "CControls example", false, ""},
      {"CControls example, memos", "CControls example", true, ""},
      {"PToolboxLib example", "PToolboxLib example", false, ""},
      {"PToolboxLib example, memos", "PToolboxLib example", true, ""},
      // ID numbers run across forms and their dialogs; bitmaps and indicators take none.
      {"ID numbers, the first form named in other letter case", "ID numbers", false, "two"},
      // Repeating buttons share one handler; a frame out of range counts as 0.
      {"repeating buttons", "repeating buttons", false, ""},
      // A dialog's controls are offset by its place; an empty ShowForm calls nothing; a form with
      // nothing to declare.
      {"dialogs, bitmaps, pop-ups and menus", "dialogs, bitmaps, pop-ups and menus", false, ""},
  };
  for (const auto& c : cases) {
    Forms forms = readForms(c.forms);
    ASSERT_FALSE(forms.empty()) << c.forms;
    std::vector<const FormDocument*> list;
    for (const auto& f : forms) list.push_back(f.get());
    GeneratedCode g = generate(forms[0]->library(), list, c.memos, c.first);
    const std::string all = "--- main\n" + text(g.main) + "--- forms\n" + text(g.forms) + "--- events\n" +
                            text(g.events) + "--- header\n" + text(g.header);
    EXPECT_EQ(all, goldenBlock("generated-code.txt", c.name, all)) << c.name;
  }
}

TEST(CodeText, BitmapLiteralSplitsOnceAt255Characters) {
  EXPECT_EQ(bitmapLiteral(20, "F0"), "\"14\" + \"F0\"");
  EXPECT_EQ(bitmapLiteral(5, ""), "\"05\" + \"\"");
  std::string bits255(255, 'A'), bits256 = bits255 + "B", bits600(600, 'C');
  EXPECT_EQ(bitmapLiteral(40, bits255), "\"28\" + \"" + bits255 + "\"");
  EXPECT_EQ(bitmapLiteral(40, bits256), "\"28\" + \"" + bits255 + "\" + \"B\"");
  EXPECT_EQ(bitmapLiteral(40, bits600), "\"28\" + \"" + bits600.substr(0, 255) + "\" + \"" + bits600.substr(255) + "\"");
}

TEST(Generation, RefusesWithoutAFormAndPicksTheFirstForm) {
  GenerateRequest r;
  GeneratedCode code;
  std::string why;
  EXPECT_FALSE(generateCode(r, code, &why));
  EXPECT_NE(why.find("no open form"), std::string::npos);
  EXPECT_TRUE(code.main.empty());

  FormDocument a(1, "Alpha"), b(1, "Beta");
  EXPECT_EQ(pickFirstForm({&a, &b}, "BETA"), &b);
  EXPECT_EQ(pickFirstForm({&a, &b}, "Gamma"), &a);
  EXPECT_EQ(pickFirstForm({&a, &b}, ""), &a);
}
