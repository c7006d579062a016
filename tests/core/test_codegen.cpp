// The two generators: whole texts for small forms, and the rules that tie lines together.
#include <gtest/gtest.h>

#include <tuple>

#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCPopUp.h"
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

Lines tail(const Lines& lines, size_t from) { return Lines(lines.begin() + long(from), lines.end()); }

// Form1, titled Hello, holding one button.
std::unique_ptr<FormDocument> ccExampleForm() {
  auto f = std::make_unique<FormDocument>(1, "Form1");
  f->screen().title = "Hello";
  auto* b = place<TCCButton>(*f, &f->screen(), "Button1");
  b->setUserLeft(10), b->setUserTop(20), b->setUserWidth(38), b->setUserHeight(12);
  b->line = 1, b->radius = 4, b->content = "OK", b->showForm = "(None)";
  return f;
}

std::unique_ptr<FormDocument> ptExampleForm() {
  auto f = std::make_unique<FormDocument>(2, "Form1");
  f->screen().title = "Hello";
  auto* b = place<TPTButton>(*f, &f->screen(), "Button1");
  b->setUserLeft(10), b->setUserTop(20), b->setUserWidth(38), b->setUserHeight(12);
  b->text = "OK", b->showForm = "(None)";
  return f;
}

const char* kDirectives =
    "@cid \"TKWX\";\n@name \"Application\";\n@dbname \"ApplicationDB\";\n@ver \"1.0\";\n"
    "@licon1 \"large1.bmp\";\n@sicon1 \"small1.bmp\";\n@licon2 \"large2.bmp\";\n@sicon2 \"small2.bmp\";\n"
    "@licon4 \"large4.bmp\";\n@sicon4 \"small4.bmp\";\n@licon8 \"large8.bmp\";\n@sicon8 \"small8.bmp\";\n";

}  // namespace

TEST(CControlsCode, WorkedExampleAndTheMemosTarget) {
  auto form = ccExampleForm();
  GeneratedCode c = generate(1, {form.get()});
  EXPECT_EQ(text(c.main), std::string(kDirectives) +
                              "\n#include \"Demo.h\"\n#include \"DemoForms.pc\"\n#include \"DemoEvents.pc\"\n\n"
                              "//init\nmain(){\n  graph_on();\n  title(\"\");\n  Form1();\n}\n\n"
                              "Form1(){\n  Form1Controls();\n  Form1Contents();\n  Form1Draw();\n  Form1Events();\n}\n\n");
  EXPECT_EQ(text(c.forms),
            "#include \"Ccontrols.c\"\nChandle Button1;\n\nForm1Controls(){\n  Button1=Cbutton(10,20,38,12,1,4);\n}\n"
            "Form1Contents(){\n  Csetcontent(Button1,\"OK\");\n}\n"
            "Form1Draw(){\n  title(\"Hello\");\n  clearg();\n  Cdraw(Button1);\n}\n\n");
  EXPECT_EQ(text(c.events),
            "#include \"Demo.h\"\nOnButton1(){\n}\n\n"
            "Form1Events(){\n  int e;\n  while(1){\n    e=event(1);\n    if (Cevent(Button1,e)) OnButton1();\n  }\n}\n\n");
  EXPECT_EQ(text(c.header), "//Form and dialog prototypes\nForm1();\n");

  GeneratedCode m = generate(1, {form.get()}, true);
  EXPECT_EQ(m.main.front(), "//Main Demo.pc");
  EXPECT_EQ(tail(m.main, 1), tail(c.main, 12));
  EXPECT_EQ(m.forms.front(), "/$ DemoForms.pc");
  EXPECT_EQ(tail(m.forms, 1), c.forms);
  EXPECT_EQ(m.events.front(), "/$ DemoEvents.pc");
  EXPECT_EQ(tail(m.events, 1), c.events);
  EXPECT_EQ(m.header.front(), "/$ Demo.h");
  EXPECT_EQ(tail(m.header, 1), c.header);
}

TEST(PToolboxCode, WorkedExampleAndTheMemosTarget) {
  auto form = ptExampleForm();
  GeneratedCode c = generate(2, {form.get()});
  EXPECT_EQ(text(c.main), std::string(kDirectives) +
                              "\nlibrary \"PToolboxLib\"\n#include \"Fctl.h\"\n#include \"Demo.h\"\n"
                              "#include \"DemoForms.pc\"\n#include \"DemoEvents.pc\"\n//init\nmain(){\n  Form1Create();\n\n"
                              "  //Show first form\n  Form1Draw();\n}\n\n");
  EXPECT_EQ(text(c.forms),
            "Form1Create(){\n  Form(Form1,\"Hello\");\n  Button(Button1,0x00,10,20,38,12,\"OK\");\n}\n"
            "Form1Draw(){\n  Fctl(DRAW,Form1);\n  Form1Events();\n}\n\n");
  EXPECT_EQ(text(c.events),
            "Form1Events(){\n  int e;\n  while(1){\n    e=Fevent(1);\n    switch(e){\n\n    case Button1:\n    break;\n\n"
            "    } //switch\n  } //while\n}\n\n");
  EXPECT_EQ(text(c.header),
            "//Form1 ID numbers\n#define Form1 3000\n#define Button1 3001\n\n//Prototypes\nForm1Create();\nForm1Events();\n"
            "Form1Draw();\n\n");

  GeneratedCode m = generate(2, {form.get()}, true);
  EXPECT_EQ(m.main.front(), "//Main Demo.pc");
  EXPECT_EQ(tail(m.main, 1), tail(c.main, 12));
  for (auto [memo, plain, first] : {std::tuple{&m.forms, &c.forms, "/$ DemoForms.pc"},
                                    std::tuple{&m.events, &c.events, "/$ DemoEvents.pc"},
                                    std::tuple{&m.header, &c.header, "/$ Demo.h"}}) {
    EXPECT_EQ(memo->front(), first);
    EXPECT_EQ(tail(*memo, 1), *plain);
  }
}

TEST(PToolboxCode, IdNumbersRunAcrossFormsAndDialogs) {
  FormDocument one(2, "One"), two(2, "Two");
  place<TPTLabel>(one, &one.screen(), "Label1");
  auto* dlg = place<TPTDialog>(one, &one.screen(), "Dlg");
  place<TPTButton>(one, &one.screen(), "Button1");
  place<TPTGsi>(one, &one.screen(), "Gsi1");
  place<TCCBitmap>(one, &one.screen(), "Bmp1");
  place<TPTButton>(one, dlg, "DlgOK");
  place<TCCBitmap>(one, dlg, "DlgPic");
  place<TPTLabel>(two, &two.screen(), "Label2");
  GeneratedCode c = generate(2, {&one, &two}, false, "two");
  EXPECT_EQ(text(c.header),
            "//One ID numbers\n#define One 3000\n#define Label1 3001\n#define Button1 3002\n\n"
            "//Dlg ID numbers\n#define Dlg 3003\n#define DlgOK 3004\n\n"
            "//Two ID numbers\n#define Two 3005\n#define Label2 3006\n\n"
            "//Prototypes\nOneCreate();\nOneEvents();\nOneDraw();\n\nDlgCreate();\nDlgEvents();\nDlgDraw();\n\n"
            "TwoCreate();\nTwoEvents();\nTwoDraw();\n\n");
  // The dialog is created after its form; the first form is matched without regard to case.
  auto at = std::find(c.main.begin(), c.main.end(), "main(){");
  ASSERT_NE(at, c.main.end());
  EXPECT_EQ(Lines(at + 1, at + 4), (Lines{"  OneCreate();", "  DlgCreate();", "  TwoCreate();"}));
  EXPECT_EQ(c.main[c.main.size() - 3], "  TwoDraw();");
}

TEST(PToolboxCode, RepeatingButtonsShareOneHandler) {
  FormDocument f(2, "F");
  for (const char* n : {"Up", "Down"}) {
    auto* b = place<TPTButton>(f, &f.screen(), n);
    b->buttonType = 1, b->frame = 1, b->showForm = "(None)";
  }
  auto* go = place<TPTButton>(f, &f.screen(), "Go");
  go->showForm = "Other", go->frame = 7;  // a frame out of range counts as 0
  auto* list = place<TPTList>(f, &f.screen(), "L1");
  list->items = {"a", "b", "c"};
  list->setTrigger("(None)");
  auto* label = place<TPTLabel>(f, &f.screen(), "Bold");
  label->font.name = kFontBold;
  GeneratedCode c = generate(2, {&f});
  EXPECT_EQ(text(c.forms),
            "FCreate(){\nstring itmL1[3] = {\"a\",\"b\",\"c\"};\n  Form(F,\"F\");\n"
            "  Button(Up,0x15,2,2,36,10,\"Button\");\n  Button(Down,0x15,2,2,36,10,\"Button\");\n"
            "  Button(Go,0x00,2,2,36,10,\"Button\");\n  List(L1,1,1,35,2,0);\n  FaddList(L1,3,itmL1);\n"
            "  textattr(1,1,0);\n  Label(Bold,0,0,\"\");\n  textattr(0,1,0);\n}\n"
            "FDraw(){\n  //Bind repeat events handler\n  Fctl(REPEAT,FRepeat);\n  Fctl(DRAW,F);\n  FEvents();\n}\n\n");
  EXPECT_EQ(text(c.events),
            "FEvents(){\n  int e;\n  while(1){\n    e=Fevent(1);\n    switch(e){\n\n"
            "    case Go:\n      OtherDraw();\n    break;\n\n    case L1:\n    break;\n\n    } //switch\n  } //while\n}\n\n"
            "int FRepeat(int butID){\n  switch(butID){\n"
            "    case Up:\n        //handle the repeat here\n        return(3); //wait 3 seconds and repeat\n    break;\n\n"
            "    case Down:\n        //handle the repeat here\n        return(3); //wait 3 seconds and repeat\n    break;\n\n"
            "    default:\n    break;\n  }//switch\nreturn(0);\n}\n\n");
  EXPECT_EQ(std::count(c.header.begin(), c.header.end(), "int FRepeat(int butID);"), 1);
}

TEST(CodeText, BitmapLiteralSplitsOnceAt255Characters) {
  EXPECT_EQ(bitmapLiteral(20, "F0"), "\"14\" + \"F0\"");
  EXPECT_EQ(bitmapLiteral(5, ""), "\"05\" + \"\"");
  std::string bits255(255, 'A'), bits256 = bits255 + "B", bits600(600, 'C');
  EXPECT_EQ(bitmapLiteral(40, bits255), "\"28\" + \"" + bits255 + "\"");
  EXPECT_EQ(bitmapLiteral(40, bits256), "\"28\" + \"" + bits255 + "\" + \"B\"");
  EXPECT_EQ(bitmapLiteral(40, bits600), "\"28\" + \"" + bits600.substr(0, 255) + "\" + \"" + bits600.substr(255) + "\"");
}

TEST(CControlsCode, DialogsBitmapsPopUpsAndMenus) {
  FormDocument f(1, "Main");
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
  FormDocument empty(1, "Empty");
  place<TCCBitmap>(empty, &empty.screen(), "Deco")->tag = 0;

  GeneratedCode c = generate(1, {&f, &empty});
  std::string forms = text(c.forms), events = text(c.events);
  EXPECT_NE(forms.find("Chandle B2, Pic, Pop, Bar, M1, M2;\n\nMainControls(){\n"), std::string::npos);
  EXPECT_NE(forms.find("  B2=Cbutton(5,7,"), std::string::npos);
  EXPECT_NE(forms.find("  Pic=Cimage(0,0,20,20);\n  Pop=Cpopup("), std::string::npos);
  EXPECT_NE(forms.find("  Bar=Cmenubar();\n  M1=Cmenu(5,32,31);\n"), std::string::npos);
  EXPECT_NE(forms.find("  Csetcontent(Pic,\"14\" + \"FF\");\n"), std::string::npos);
  EXPECT_NE(forms.find("  Caddmenu(Bar,M1);\n  Caddmenu(Bar,M2);\n  Csettopic(M1,\"Topic\");\n  Cadditem(M1,\"M1a\");"),
            std::string::npos);
  // Inside the dialog, positions are offset by the dialog's place; the plain bitmap is only drawn.
  EXPECT_NE(forms.find("Chandle hDlg, B1;\n\nDlgControls(){\n  hDlg=Cframe(10,20,100,60);\n  B1=Cbutton(15,27,"),
            std::string::npos);
  EXPECT_NE(forms.find("DlgDraw(){\n  Cdraw(hDlg);\n  Cdraw(B1);\n    bitmap(11,22,\"08\" + \"" + std::string(255, '0') +
                       "\" + \"0\");\n}\n"),
            std::string::npos);
  // A container with nothing to declare has no Chandle line at all.
  EXPECT_NE(forms.find("}\n\nEmptyControls(){\n}\n"), std::string::npos);
  EXPECT_EQ(forms.find("Chandle ;"), std::string::npos);

  EXPECT_NE(events.find("OnB2(){\n  Dlg();\n}\n\nOnPic(){\n}\n\nOnBar(string Option){\n  switch (Option){\n"
                        "    case \"M1a\":\n      //action for menuM1a\n      break;\n"),
            std::string::npos);
  EXPECT_NE(events.find("    case \"M2b\":\n      //action for menuM2b\n      break;\n}\n}\n\n"), std::string::npos);
  EXPECT_NE(events.find("    if (Cevent(B2,e)) OnB2();\n    else if (Cevent(Pic,e)) OnPic();\n"
                        "    else if (Cevent(Bar,e)) OnBar(Cgetcontent(Bar));\n  }\n"),
            std::string::npos);
  EXPECT_EQ(events.find("OnPop"), std::string::npos);
  // An empty ShowForm calls nothing, as "(None)" does.
  EXPECT_NE(events.find("OnB1(){\n}\n"), std::string::npos);
  EXPECT_NE(events.find("EmptyEvents(){\n  int e;\n  while(1){\n    e=event(1);\n  }\n}\n"), std::string::npos);
  EXPECT_EQ(text(c.header), "//Form and dialog prototypes\nMain();\nDlg();\nEmpty();\n");
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
