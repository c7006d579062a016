// The preview: taps on the examples' forms, as the device would take them, on copies of the documents.
#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

#include "PaintTest.h"
#include "model/FormDocument.h"
#include "model/DiskState.h"
#include "model/Family.h"
#include "model/FormFile.h"
#include "preview/Preview.h"
#include "model/Project.h"

namespace tw {
namespace {

// The sessions of files-preview.txt: "open ccontrols" (or ptoolbox: the example project; "open form
// golden/NAME.twk"; "open nothing"), then the pen and the keys: "tap NAME [DX DY]" (a touch and a lift 3,3
// or DX,DY inside the control), "press"/"release" the same halves, "tap at X Y" (and "press at", "release
// at") in the picture, "key TEXT", "scroll N", "set NAME PROP N". Questions, whose answers follow as
// "-> ..." lines: "screen", "pressed", "menu", "choice", "value NAME PROP" (the preview's copy), "document
// NAME PROP" (the form opened), "edit NAME" (the text typed), "pixel NAME DX DY" (after a paint), "width".
struct Session {
  OpenedProject project;
  OpenedForm form;
  std::unique_ptr<Preview> preview;
  Canvas picture;

  void open(const std::string& what) {
    std::vector<const FormDocument*> forms;
    if (what.rfind("form ", 0) == 0) {
      form = openFormFile(std::string(TW_TESTDATA_DIR) + "/" + what.substr(5),
                          what.find("ptoolbox") != std::string::npos ? kLibPToolbox : kLibCControls, kWhite);
      forms.push_back(form.form.get());
    } else if (what != "nothing") {
      project = readProjectFile(std::string(TW_EXAMPLES_DIR) + "/" + what + "/Demo.twp", kWhite);
      for (FormDocument* f : project.project.openForms()) forms.push_back(f);
    }
    preview = std::make_unique<Preview>(forms, "Main");
  }
  Point place(std::istream& in) {
    std::string name;
    Point p{3, 3};
    in >> name;
    if (name == "at") return in >> p.x >> p.y, p;
    if (int dx, dy; in >> dx >> dy) p = {dx, dy};
    for (const Control* c = preview->find(name); c; c = c->parent()) p.x += c->left(), p.y += c->top();
    return p;
  }
  Control& control(std::istream& in) {
    std::string name;
    in >> name;
    Control* c = preview->find(name);
    if (!c) throw std::runtime_error("no control " + name);
    return *c;
  }
  std::string run(const std::string& line) {
    const std::string a = answer(line);
    return a.empty() ? a : "-> " + a + "\n";
  }
  std::string answer(const std::string& line) {
    std::istringstream in(line);
    std::string verb, prop;
    in >> verb;
    if (verb == "open") open(line.substr(5));
    if (verb == "tap" || verb == "press" || verb == "release") {
      Point p = place(in);
      if (verb != "release") preview->tap(p.x, p.y);
      if (verb != "press") preview->release(p.x, p.y);
    }
    if (verb == "key") preview->key(unescape(line.substr(4)));
    if (verb == "scroll") preview->scroll(std::stoi(line.substr(7)));
    if (verb == "set") {  // a number, or else a text
      Control& c = control(in);
      std::string value;
      in >> prop >> value;
      long long n = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
      c.property(prop)->set(c, ec == std::errc() && end == value.data() + value.size() ? PropValue(n) : PropValue(value));
    }
    if (verb == "screen") return preview->formName() + (preview->dialogName().empty() ? "" : ", dialog " + preview->dialogName());
    if (verb == "pressed") return preview->pressed() ? preview->pressed()->name() : "nothing";
    if (verb == "menu") return preview->menuOpen() ? "open" : "closed";
    if (verb == "choice") return preview->lastMenuChoice();
    if (verb == "value" || verb == "document") {
      std::string name;
      in >> name >> prop;
      const Control* c = verb == "value" ? preview->find(name) : project.project.forms[0].form->findComponent(name);
      return c ? testpaint::valueText(c->property(prop)->get(*c)) : "no control " + name;
    }
    if (verb == "edit") return "'" + preview->editText(control(in)) + "'";
    if (verb == "pixel" || verb == "width") {
      preview->paint(picture, testpaint::fonts());
      if (verb == "width") return std::to_string(picture.width());
      Point p = place(in);
      return testpaint::art(picture, p.x, p.y, p.x + 1, p.y + 1).substr(0, 1);
    }
    return {};
  }
};

TEST(Preview, SessionsOfTapsAndKeys) { expectSessions<Session>("files-preview.txt", isArrowAnswer); }

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
