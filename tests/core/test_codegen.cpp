// The two generators: whole texts for small forms, and the rules that tie lines together.
#include <gtest/gtest.h>


#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
#include "TestFiles.h"
#include "codegen/Generate.h"
#include "model/FormDocument.h"
#include "ptoolbox/PTButton.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTGsi.h"
#include "ptoolbox/PTLabel.h"
#include "ptoolbox/PTList.h"

using namespace tw;

namespace {

template <class T>
T* place(FormDocument& f, Control* parent, const std::string& name) {
  auto c = std::make_unique<T>();
  c->setNameUnchecked(name);
  return static_cast<T*>(f.add(std::move(c), parent));
}

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

// Form1, titled Hello, holding one button.
Forms example(int lib) {
  Forms f;
  f.push_back(std::make_unique<FormDocument>(lib, "Form1"));
  f[0]->screen().title = "Hello";
  Control* b;
  if (lib == 1) {
    auto* cc = place<TCCButton>(*f[0], &f[0]->screen(), "Button1");
    cc->line = 1, cc->radius = 4, cc->content = "OK", cc->showForm = "(None)", b = cc;
  } else {
    auto* pt = place<TPTButton>(*f[0], &f[0]->screen(), "Button1");
    pt->text = "OK", pt->showForm = "(None)", b = pt;
  }
  b->setUserLeft(10), b->setUserTop(20), b->setUserWidth(38), b->setUserHeight(12);
  return f;
}

// ID numbers run across forms and their dialogs; bitmaps and indicators take none.
Forms idNumbers() {
  Forms f;
  f.push_back(std::make_unique<FormDocument>(2, "One"));
  f.push_back(std::make_unique<FormDocument>(2, "Two"));
  FormDocument &one = *f[0], &two = *f[1];
  place<TPTLabel>(one, &one.screen(), "Label1");
  auto* dlg = place<TPTDialog>(one, &one.screen(), "Dlg");
  place<TPTButton>(one, &one.screen(), "Button1");
  place<TPTGsi>(one, &one.screen(), "Gsi1");
  place<TCCBitmap>(one, &one.screen(), "Bmp1");
  place<TPTButton>(one, dlg, "DlgOK");
  place<TCCBitmap>(one, dlg, "DlgPic");
  place<TPTLabel>(two, &two.screen(), "Label2");
  return f;
}

// Repeating buttons share one handler; a frame out of range counts as 0; a list with items; a bold label.
Forms repeating() {
  Forms forms;
  forms.push_back(std::make_unique<FormDocument>(2, "F"));
  FormDocument& f = *forms[0];
  for (const char* n : {"Up", "Down"}) {
    auto* b = place<TPTButton>(f, &f.screen(), n);
    b->buttonType = 1, b->frame = 1, b->showForm = "(None)";
  }
  auto* go = place<TPTButton>(f, &f.screen(), "Go");
  go->showForm = "Other", go->frame = 7;
  auto* list = place<TPTList>(f, &f.screen(), "L1");
  list->items = {"a", "b", "c"};
  list->setTrigger("(None)");
  place<TPTLabel>(f, &f.screen(), "Bold")->font.name = kFontBold;
  return forms;
}

// A dialog (its controls offset by its place), bitmaps shown and plain, a pop-up, menus, an empty
// ShowForm, and a form with nothing to declare.
Forms dialogsAndMenus() {
  Forms forms;
  forms.push_back(std::make_unique<FormDocument>(1, "Main"));
  forms.push_back(std::make_unique<FormDocument>(1, "Empty"));
  FormDocument& f = *forms[0];
  auto* dlg = place<TPTDialog>(f, &f.screen(), "Dlg");
  dlg->setBounds(10, 20, 100, 60);
  dlg->title = "Ask";
  auto* inDialog = place<TCCButton>(f, dlg, "B1");
  inDialog->setUserLeft(5), inDialog->setUserTop(7), inDialog->showForm = "";
  auto* onScreen = place<TCCButton>(f, &f.screen(), "B2");
  onScreen->setUserLeft(5), onScreen->setUserTop(7), onScreen->showForm = "Dlg";
  auto* pic = place<TCCBitmap>(f, &f.screen(), "Pic");
  pic->tag = 1, pic->stringBits = "FF";
  auto* plain = place<TCCBitmap>(f, dlg, "Plain");
  plain->tag = 0, plain->setBounds(1, 2, 8, 1), plain->stringBits = std::string(256, '0');
  place<TCCPopUp>(f, &f.screen(), "Pop");
  place<TCCMenuBar>(f, nullptr, "Bar");
  for (const char* n : {"M1", "M2"}) place<TCCMenu>(f, nullptr, n)->items = {std::string(n) + "a", std::string(n) + "b"};
  place<TCCBitmap>(*forms[1], &forms[1]->screen(), "Deco")->tag = 0;
  return forms;
}

}  // namespace

// The four texts of each small project, whole, in tests/data/golden/generated-code.txt.
TEST(Generation, SmallProjectsGenerateTheirWholeTexts) {
  const struct {
    const char* name;
    Forms (*forms)();
    bool memos;
    const char* first;
  } cases[] = {
      {"CControls example", [] { return example(1); }, false, ""},
      {"CControls example, memos", [] { return example(1); }, true, ""},
      {"PToolboxLib example", [] { return example(2); }, false, ""},
      {"PToolboxLib example, memos", [] { return example(2); }, true, ""},
      {"ID numbers, the first form named in other letter case", idNumbers, false, "two"},
      {"repeating buttons", repeating, false, ""},
      {"dialogs, bitmaps, pop-ups and menus", dialogsAndMenus, false, ""},
  };
  for (const auto& c : cases) {
    Forms forms = c.forms();
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
