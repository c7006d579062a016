// The form document picture: the face, the screen and its controls in order, the window's menus; golden
// pictures of a busy form of each library; bad input; and `tarnowick render`.
#include <gtest/gtest.h>

#include <cstdlib>

#include "PaintTest.h"
#include "PngDecode.h"
#include "TestFiles.h"
#include "ccontrols/CCBitmap.h"
#include "ccontrols/CCButton.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "ccontrols/CCMenuBar.h"
#include "ccontrols/CCRadio.h"
#include "graphics/Png.h"
#include "base/FileIO.h"
#include "model/FormDocument.h"
#include "model/FormFile.h"
#include "model/FormPicture.h"
#include "model/SnapToGrid.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTGsi.h"
#include "ptoolbox/PTLabel.h"
#include "ptoolbox/PTList.h"

using namespace tw;
using namespace tw::testpaint;

namespace {

template <class T> T* place(FormDocument& f, Control* parent, int l, int t, int w, int h) {
  auto* c = static_cast<T*>(f.add(std::make_unique<T>(), parent));
  c->setBounds(l, t, w, h);
  c->color = kWhite;
  return c;
}

// Pixels of a picture region as rows of 0x00BBGGRR.
bool samePixels(const Canvas& a, const Canvas& b, std::string* where) {
  if (a.width() != b.width() || a.height() != b.height()) {
    *where = "sizes differ";
    return false;
  }
  int diffs = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.at(x, y) != b.at(x, y) && diffs++ == 0) *where = "first at " + std::to_string(x) + "," + std::to_string(y);
  if (diffs) *where += " (" + std::to_string(diffs) + " pixels)";
  return diffs == 0;
}

Canvas decodeFile(const std::string& path) {
  std::string bytes = readWholeFile(path).value_or("");
  return testpng::decode(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

// Compares a picture with tests/data/golden/NAME.png. To renew after an intended change, run the test with
// TW_UPDATE_GOLDEN=1, then look at the pictures before committing them.
void expectGoldenPng(const std::string& name, const Canvas& pic) {
  const std::string path = std::string(TW_TESTDATA_DIR) + "/golden/" + name + ".png";
  if (std::getenv("TW_UPDATE_GOLDEN")) {
    ASSERT_TRUE(writePng(path, pic));
  }
  ASSERT_TRUE(fileExists(path)) << path;
  std::string where;
  if (!samePixels(pic, decodeFile(path), &where)) {
    writePng("/tmp/tarnowick-" + name + "-actual.png", pic);
    ADD_FAILURE() << name << ": the picture changed: " << where << "; see /tmp/tarnowick-" << name << "-actual.png";
  }
}

std::unique_ptr<FormDocument> openGolden(const std::string& name, int lib) {
  OpenedForm o = openFormFile(std::string(TW_TESTDATA_DIR) + "/golden/" + name + ".twk", lib, kWhite);
  EXPECT_TRUE(o.form) << o.error;
  for (const auto& m : o.messages) ADD_FAILURE() << m;
  return std::move(o.form);
}

}  // namespace

// The face around the screen at (4, 2), the silk-screen below; window children over the screen.
TEST(Picture, FaceScreenAndWindowChildren) {
  FormDocument form(1, "F");
  form.screen().title = "F";
  Canvas pic = formPicture(form, fonts());
  expectGoldenPng("face-empty-form", pic);
  Canvas screen = screenPicture(form, fonts());
  ASSERT_EQ(screen.width(), 160);
  Canvas crop(160, 160);
  crop.draw(-4, -2, pic);
  std::string where;
  EXPECT_TRUE(samePixels(screen, crop, &where)) << where;

  auto* bar = place<TCCMenuBar>(form, nullptr, 4, 2, 160, 15);  // it hides the title
  expectGoldenPng("face-menu-bar", formPicture(form, fonts()));
  bar->setTest(0);  // hidden
  EXPECT_TRUE(samePixels(formPicture(form, fonts()), pic, &where)) << where;
}

TEST(Picture, AClosedMenuShowsAndTakesClicksOnlyInItsTopicStrip) {
  FormDocument form(1, "F");
  auto* label = place<TCCLabel>(form, &form.screen(), 2, 16, 80, 13);
  label->content = "Under the menu";
  auto* button = place<TCCButton>(form, &form.screen(), 2, 34, 40, 14);
  button->content = "Go";
  auto* menu = place<TCCMenu>(form, nullptr, 4, 2, 40, 10);
  menu->items = {"Open", "Save", "Quit"};
  menu->selected = true;
  menu->setTest(0);  // as a form file brings it back: shown, closed
  const Canvas closed = formPicture(form, fonts());
  ASSERT_EQ(menu->height(), 3 * 11 + 15);
  // Below its two lines the form is as if the menu were not there; its strip is drawn, selection marks too.
  expectGoldenPng("face-closed-menu", closed);
  std::string where;
  // It takes clicks in its strip only; open, it covers its whole list as before.
  EXPECT_TRUE(hits(*menu, 10, 2 + 14));
  EXPECT_FALSE(hits(*menu, 10, 2 + 15));
  menu->setTest(1);
  EXPECT_TRUE(hits(*menu, 10, 2 + 40));
  EXPECT_FALSE(samePixels(formPicture(form, fonts()), closed, &where));
}

// Later children cover earlier ones; a hidden dialog and its controls draw nothing; the shown dialog draws
// them, clipped to it.
TEST(Picture, ControlsBackToFrontAndHiddenOnesSkipped) {
  FormDocument form(2, "F");
  auto* under = place<TCCButton>(form, &form.screen(), 10, 30, 40, 14);
  place<TCCButton>(form, &form.screen(), 30, 30, 40, 14);
  expectGoldenPng("face-overlapping-buttons", formPicture(form, fonts()));
  form.screen().moveChild(under, 1);  // bring to front
  auto* dlg = place<TPTDialog>(form, &form.screen(), 0, 60, 80, 50);
  dlg->visible = false;
  place<TCCButton>(form, dlg, 70, 10, 40, 14);
  expectGoldenPng("face-front-button-hidden-dialog", formPicture(form, fonts()));
  dlg->visible = true;
  dlg->tag = 1;
  form.shownDialog = dlg;
  expectGoldenPng("face-shown-dialog", formPicture(form, fonts()));

  // The picture runs the paint-time rules of what it draws, inside dialogs too.
  auto* label = place<TPTLabel>(form, dlg, 5, 20, 90, 40);
  label->content = "Hi";
  auto* gsi = place<TPTGsi>(form, &form.screen(), 100, 100, 30, 30);
  formPicture(form, fonts());
  EXPECT_EQ(label->width(), fonts().face(kFontStandard).textWidth("Hi") + 1);
  EXPECT_EQ(label->height(), 11);
  EXPECT_EQ(gsi->width(), 8);
}

TEST(Picture, GoldenPicturesOfBusyForms) {
  for (auto [name, lib] : {std::pair{"ccontrols", 1}, {"ptoolbox", 2}}) {
    SCOPED_TRACE(name);
    auto form = openGolden(name, lib);
    ASSERT_TRUE(form);
    // What a file does not hold: a selection (on the screen and in the dialog), an open menu.
    for (const auto& c : form->screen().children()) {
      if (c->name() == "butOk" || c->name() == "butRound") c->selected = true;
      for (const auto& k : c->children())
        if (k->name() == "butClose" || k->name() == "butYes") k->selected = true, k->selectColor = kSelectRed;
    }
    for (const auto& c : form->windowChildren()) {
      if (auto* bar = dynamic_cast<TCCMenuBar*>(c.get())) bar->setTest(1);
      if (auto* menu = dynamic_cast<TCCMenu*>(c.get())) menu->setTest(1);
    }
    expectGoldenPng(name, formPicture(*form, fonts()));
  }
}

TEST(Picture, BadInputRendersInBoundedTime) {
  // Each of these must finish at once (the test's time limit guards it) and leave the rest of the form as it was.
  FormDocument form(1, "F");
  const std::string longText(100000, 'W');
  std::string outside;
  for (int i = 0; i < 2000; ++i) outside += "\xE4\xB8\xAD\x01\t\x7F";  // CJK, controls, DEL
  const std::string megabyte(1 << 20, 'F');

  auto* huge = place<TCCBitmap>(form, &form.screen(), -32768, -32768, 32767, 32767);
  huge->stringBits = megabyte;
  auto* bits = place<TCCBitmap>(form, &form.screen(), 140, 140, 40, 40);
  bits->stringBits = megabyte;
  auto* wide = place<TCCButton>(form, &form.screen(), -32768, 20, 32767, 32767);
  wide->content = longText;
  wide->radius = 32767;
  wide->line = 2;
  wide->tag = 3;
  auto* label = place<TCCLabel>(form, &form.screen(), 32767, 32767, 32767, 13);
  label->content = longText + outside;
  label->line = 2;
  auto* list = place<TCCListBox>(form, &form.screen(), 0, -32768, 32767, 32767);
  list->items.assign(5000, longText.substr(0, 1000));
  list->selectedItem = 2999;
  auto* radio = place<TCCRadio>(form, &form.screen(), 0, 60, 40, 14);
  radio->items.assign(1000, outside.substr(0, 60));
  auto* dlg = place<TPTDialog>(form, &form.screen(), -32768, -32768, 32767, 32767);
  dlg->tag = 1;
  dlg->title = longText;
  auto* field = place<TPTEdit>(form, &form.screen(), 0, 80, 32767, 32767);
  field->text = longText + " " + outside + " " + longText;
  auto* narrow = place<TPTEdit>(form, &form.screen(), 0, 80, 20, 32767);
  narrow->text = std::string(100000, '\t') + " x";  // characters of no width
  auto* plist = place<TPTList>(form, &form.screen(), 10, 10, 32767, 100);
  plist->items.assign(40000, outside.substr(0, 24));
  plist->setMaxItems(32767);
  auto* menu = place<TCCMenu>(form, nullptr, 4, 2, 100, 100);
  menu->items.assign(20000, longText.substr(0, 50));

  Canvas pic = formPicture(form, fonts());
  EXPECT_EQ(pic.width(), 167);
  EXPECT_TRUE(!isWhite(pic, 1, 100) && !isBlack(pic, 1, 100));  // the face is untouched
  EXPECT_EQ(huge->width(), 32767);
  EXPECT_EQ(wide->width(), 32767);  // auto width beyond the 16-bit range is kept within it
}

// What `tarnowick render` writes is the designer's picture (its usage and faults: files-cli.txt).
TEST(Picture, RenderCommand) {
  TempDir dir;
  const std::string form = std::string(TW_TESTDATA_DIR) + "/golden/ptoolbox.twk";
  CmdResult r = runCommand(TW_EXE " render " + form + " --out " + dir.path + "/s.png");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output, "");
  auto opened = openGolden("ptoolbox", 2);
  std::string where;
  EXPECT_TRUE(samePixels(decodeFile(dir.path + "/s.png"), screenPicture(*opened, fonts()), &where)) << where;
  ASSERT_EQ(runCommand(TW_EXE " render " + form + " --face --scale 3 --out " + dir.path + "/f.png").status, 0);
  EXPECT_TRUE(samePixels(decodeFile(dir.path + "/f.png"), formPicture(*opened, fonts()).scaled(3), &where)) << where;
}
