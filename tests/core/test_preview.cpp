// The preview: taps on the examples' forms, as the device would take them, on copies of the documents.
#include <gtest/gtest.h>

#include "PaintTest.h"
#include "model/FormDocument.h"
#include "model/DiskState.h"
#include "model/Family.h"
#include "model/FormFile.h"
#include "preview/Preview.h"
#include "model/Project.h"

namespace tw {
namespace {

struct Demo {
  OpenedProject opened;
  std::unique_ptr<Preview> preview;
  explicit Demo(const char* lib) : opened(readProjectFile(std::string(TW_EXAMPLES_DIR) + "/" + lib + "/Demo.twp", kWhite)) {
    std::vector<const FormDocument*> forms;
    for (FormDocument* f : opened.project.openForms()) forms.push_back(f);
    preview = std::make_unique<Preview>(forms, "Main");
  }
  Control& at(const char* name) {
    Control* c = preview->find(name);
    EXPECT_TRUE(c) << name;
    return *c;
  }
  // The control's place in the picture, plus (dx, dy).
  Point place(const char* name, int dx, int dy) {
    Point p{dx, dy};
    for (const Control* c = &at(name); c; c = c->parent()) p.x += c->left(), p.y += c->top();
    return p;
  }
  void tap(const char* name, int dx = 3, int dy = 3) {
    Point p = place(name, dx, dy);
    preview->tap(p.x, p.y);
    preview->release(p.x, p.y);
  }
  long long value(const char* name, const char* prop) { return std::get<long long>(at(name).property(prop)->get(at(name))); }
  std::string text(const char* name, const char* prop) { return std::get<std::string>(at(name).property(prop)->get(at(name))); }
};

TEST(Preview, FollowsTheFormLinksAndDialogsWithoutTouchingTheDocuments) {
  Demo d("ccontrols");
  ASSERT_EQ(d.preview->formName(), "Main");
  // A button acts when the pen lifts over it; lifted elsewhere it does nothing.
  Point p = d.place("butSettings", 5, 5);
  d.preview->tap(p.x, p.y);
  EXPECT_EQ(d.preview->pressed(), &d.at("butSettings"));
  d.preview->release(0, 0);
  EXPECT_EQ(d.preview->formName(), "Main");

  const struct {
    const char* button;
    const char* form;
    const char* dialog;
  } walk[] = {
      {"butSettings", "Settings", ""},
      {"butAbout", "Settings", "dlgAbout"},  // a dialog designed on another form shows over this one
      {"swSound", "Settings", "dlgAbout"},   // the dialog is modal: the form under it takes nothing
      {"butOK", "Main", ""},                 // naming a form leaves the dialog
      {"butSettings", "Settings", ""},
      {"butBack", "Main", ""},
  };
  for (const auto& step : walk) {
    d.tap(step.button);
    EXPECT_EQ(d.preview->formName(), step.form) << step.button;
    EXPECT_EQ(d.preview->dialogName(), step.dialog) << step.button;
  }
  EXPECT_EQ(d.value("swSound", "State"), 0);

  // The held look is drawn; the documents keep their values when the copies change.
  d.tap("swLight");
  EXPECT_EQ(d.value("swLight", "State"), 0);
  Control* original = d.opened.project.forms[0].form->findComponent("swLight");
  EXPECT_EQ(std::get<long long>(original->property("State")->get(*original)), 1);
  Canvas up, down;
  d.preview->paint(up, testpaint::fonts());
  p = d.place("butSettings", 2, 7);
  d.preview->tap(p.x, p.y);
  d.preview->paint(down, testpaint::fonts());
  EXPECT_TRUE(testpaint::isWhite(up, p.x, p.y));
  EXPECT_TRUE(testpaint::isBlack(down, p.x, p.y));

  d.preview->release(p.x, p.y);
  EXPECT_EQ(d.preview->formName(), "Settings");
  d.preview->tap(14, 180);  // the face's home button
  EXPECT_EQ(d.preview->formName(), "Main");
}

TEST(Preview, ControlsTakeThePenAndKeys) {
  Demo d("ccontrols");
  d.tap("chkSound");
  EXPECT_EQ(d.value("chkSound", "State"), 0);
  d.tap("rdSize", 2);  // the first of three cells
  EXPECT_EQ(d.value("rdSize", "SelectedItem"), 0);
  d.tap("lstFruit", 5, 2 * 11 + 4);
  EXPECT_EQ(d.value("lstFruit", "SelectedItem"), 2);

  // A drop-down opens on a tap and takes the row tapped next; a tap elsewhere closes it unchanged.
  d.tap("ddColour");
  EXPECT_EQ(d.value("ddColour", "TestItems"), 1);
  d.tap("ddColour", 5, 11 + 4);
  EXPECT_EQ(d.value("ddColour", "SelectedItem"), 1);
  EXPECT_EQ(d.value("ddColour", "TestItems"), 0);
  // Its arrow scrolls it, and the rows then choose from the items in sight.
  d.tap("ddColour");
  d.tap("ddColour", d.at("ddColour").width() - 6, d.at("ddColour").height() - 6);
  Canvas scrolled;
  d.preview->paint(scrolled, testpaint::fonts());
  EXPECT_EQ(d.at("ddColour").property("Items")->get(d.at("ddColour")), PropValue(std::vector<std::string>{"Red", "Green", "Blue"}));
  d.tap("ddColour", 5, 11 + 4);
  EXPECT_EQ(d.value("ddColour", "SelectedItem"), 2);
  d.tap("ddColour");
  d.preview->scroll(-5);
  d.tap("ddColour", 5, 4);
  EXPECT_EQ(d.value("ddColour", "SelectedItem"), 0);
  d.tap("ddColour");
  d.tap("chkSound");
  EXPECT_EQ(d.value("ddColour", "SelectedItem"), 0);
  EXPECT_EQ(d.value("chkSound", "State"), 0) << "the tap that closes a list does nothing else";

  // Typing goes to the edit last tapped; a text wider than the box shows its end.
  d.tap("edtName");
  d.preview->key("\b\b\b\bAnna Maria Theresia von Habsburg\bx\x01");
  const std::string typed = "Anna Maria Theresia von Habsburx";
  EXPECT_EQ(d.preview->editText(d.at("edtName")), typed);
  Canvas cv;
  d.preview->paint(cv, testpaint::fonts());
  const std::string shown = d.text("edtName", "Content");
  EXPECT_LT(shown.size(), typed.size());
  EXPECT_EQ(typed.substr(typed.size() - shown.size()), shown);
  EXPECT_LE(testpaint::fonts().textWidth(d.at("edtName").font, shown), d.at("edtName").width() - 4);

  // The title opens the menu bar; a topic opens its menu and an item closes the bar.
  d.preview->tap(8, 6);
  EXPECT_TRUE(d.preview->menuOpen());
  d.tap("mnuHelp", 4, 4);
  d.tap("mnuHelp", 6, 16);
  EXPECT_EQ(d.preview->lastMenuChoice(), "Help/About");
  EXPECT_FALSE(d.preview->menuOpen());
}

TEST(Preview, PopUpTriggersFieldsAndDialogsOfTheOtherFamily) {
  Demo d("ptoolbox");
  EXPECT_FALSE(d.at("lstLevel").visible);
  d.tap("popLevel");
  EXPECT_TRUE(d.at("lstLevel").visible);
  d.tap("lstLevel", 5, 2 * 11 + 4);
  EXPECT_EQ(d.text("popLevel", "Text"), "High");
  EXPECT_FALSE(d.at("lstLevel").visible);

  // Push buttons of one group: the one tapped is down, the others up, and it stays down.
  for (const char* push : {"pshOne", "pshTwo", "pshTwo"}) d.tap(push);
  EXPECT_EQ(d.value("pshOne", "State") * 10 + d.value("pshTwo", "State"), 1);

  // A numbers-only field of at most five characters.
  d.tap("fldCount");
  d.preview->key("12a34567");
  EXPECT_EQ(d.preview->editText(d.at("fldCount")), "01234");

  d.tap("butInfo");
  EXPECT_EQ(d.preview->dialogName(), "dlgInfo");
  d.tap("butClose");
  EXPECT_EQ(d.preview->dialogName(), "");
  d.tap("butOptions");
  EXPECT_EQ(d.preview->formName(), "Options");

  // No forms at all: a blank face that takes taps and keys.
  Preview none({}, "Main");
  Canvas cv;
  none.tap(14, 180);
  none.key("x");
  none.paint(cv, testpaint::fonts());
  EXPECT_EQ(cv.width(), 167);
}

// A multi-line field (44 x 34: three lines) scrolls by whole lines, wrapped at blanks as it draws them.
TEST(Preview, AMultiLineFieldShowsTheLinesOfItsEnd) {
  OpenedForm opened = openFormFile(std::string(TW_TESTDATA_DIR) + "/golden/ptoolbox.twk", kLibPToolbox, kWhite);
  ASSERT_TRUE(opened.form);
  Preview preview({opened.form.get()}, "");
  Control* field = preview.find("fldWrap");
  ASSERT_TRUE(field);
  field->property("Editable")->set(*field, PropValue(0LL));  // 0 is editable
  field->property("MaxChars")->set(*field, PropValue(80LL));
  Point p{4, 4};
  for (const Control* c = field; c; c = c->parent()) p.x += c->left(), p.y += c->top();
  preview.tap(p.x, p.y);
  preview.release(p.x, p.y);
  preview.key(" six seven eight nine ten eleven");
  const std::string typed = preview.editText(*field);
  Canvas cv;
  preview.paint(cv, testpaint::fonts());
  const std::string shown = std::get<std::string>(field->property("Text")->get(*field));
  ASSERT_LT(shown.size(), typed.size());
  EXPECT_EQ(typed.substr(typed.size() - shown.size()), shown);
  EXPECT_EQ(typed[typed.size() - shown.size() - 1], ' ') << "the lines shown begin with a word: " << shown;
}

// The pen everywhere on every form of the test data, with keys and scrolls between: the preview keeps to
// its copies, and whatever it shows is one of its forms.
TEST(Preview, TapsAnywhereOnEveryFormLeaveTheDocumentsAlone) {
  for (int lib : {kLibCControls, kLibPToolbox}) {
    const std::string path = std::string(TW_TESTDATA_DIR) + (lib == kLibCControls ? "/golden/ccontrols.twk" : "/golden/ptoolbox.twk");
    OpenedForm opened = openFormFile(path, lib, kWhite);
    ASSERT_TRUE(opened.form) << path;
    const std::string before = formText(*opened.form);
    Preview preview({opened.form.get()}, "");
    Canvas cv;
    for (int y = 0; y < 227; y += 3)
      for (int x = 0; x < 167; x += 3) {
        preview.tap(x, y);
        if ((x + y) % 12 == 0) preview.paint(cv, testpaint::fonts());
        preview.release(x, y);
        preview.key((x + y) % 5 ? "w\xC3\xA9" : "\b");
        preview.scroll((x % 7) - 3);
        EXPECT_EQ(preview.formName(), opened.form->formName);
      }
    EXPECT_EQ(formText(*opened.form), before) << path;
  }
}

}  // namespace
}  // namespace tw
