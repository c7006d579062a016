// Form files of both libraries: records written and read back, defaults, and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "DesignSession.h"
#include "PaintTest.h"
#include "TestFiles.h"
#include "ccontrols/CCLabel.h"
#include "ccontrols/CCListBox.h"
#include "ccontrols/CCMenu.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/Family.h"
#include "model/FormDocument.h"
#include "model/ControlStream.h"
#include "model/FormFile.h"
#include "model/Project.h"
#include "model/Records.h"
#include "ptoolbox/PTButton.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTEdit.h"
#include "ptoolbox/PTLabel.h"

using namespace tw;

namespace {

template <class T>
T* place(FormDocument& f, const std::string& name, Control* parent = nullptr) {
  auto c = std::make_unique<T>();
  c->color = kWhite;
  EXPECT_TRUE(f.rename(*c, name));
  return static_cast<T*>(f.add(std::move(c), parent ? parent : &f.screen()));
}

std::unique_ptr<FormDocument> reload(const FormDocument& f, std::vector<std::string>* messages = nullptr) {
  IniFile ini;
  ini.parse(formToIni(f).serialize());
  auto back = std::make_unique<FormDocument>(f.library(), f.formName);
  loadForm(*back, ini, kWhite, messages);
  return back;
}

// Every stored property of every control, in file order: equal texts mean equal forms.
std::string dump(const FormDocument& f) {
  std::string out;
  f.forEachControl([&](const Control& c) {
    out += std::string(c.className()) + " " + c.name() + " in " + (c.parent() ? c.parent()->name() : "window") +
           (c.visible ? "" : " hidden") + "\n";
    for (const auto& p : c.properties()) {
      PropValue v = p.get(c);
      out += "  " + std::string(p.name) + "=";
      if (auto* n = std::get_if<long long>(&v)) out += std::to_string(*n);
      if (auto* s = std::get_if<std::string>(&v)) out += *s;
      if (auto* b = std::get_if<bool>(&v)) out += *b ? "true" : "false";
      if (auto* fo = std::get_if<Font>(&v)) out += fontToText(*fo);
      if (auto* l = std::get_if<std::vector<std::string>>(&v))
        for (auto& i : *l) out += "[" + i + "]";
      out += "\n";
    }
  });
  return out;
}


// A value for a key that neither its reader's default nor a constructor gives.
PropValue unusual(const Control& c, const PropInfo& p, int i) {
  switch (p.type) {
    case PropType::Alignment: return PropValue(1LL);  // right, whose file code (2) differs from its own
    case PropType::String: return PropValue("v" + std::to_string(i));
    case PropType::Strings: return PropValue(std::vector<std::string>{"x", "y" + std::to_string(i)});
    case PropType::Font: {
      Font f = c.font;
      f.name = kFontLarge;
      return PropValue(f);
    }
    default: return PropValue(7LL + i);
  }
}

}  // namespace

TEST(FormFile, EveryKindKeepsEveryKeyItWrites) {
  for (int lib : {kLibCControls, kLibPToolbox}) {
    for (const RecordRow& row : familyFor(lib)->records().rows) {
      SCOPED_TRACE(row.kind);
      FormDocument f(lib, "F");
      f.screen().setBounds(4, 2, 160, 160);
      std::unique_ptr<Control> c = createControl(row.cls);
      c->color = kWhite;
      ASSERT_TRUE(f.rename(*c, std::string("c") + row.kind));
      // Every written key gets a value, in the reader's order (setting a list's trigger resets its
      // style); a key it does not read comes last, where the kind's fixed values then win.
      std::vector<const RecKey*> keys;
      for (const RecRead& r : row.read) {
        auto k = std::find_if(row.write.begin(), row.write.end(),
                              [&](const RecKey& w) { return !strcmp(w.key, r.key); });
        ASSERT_NE(k, row.write.end()) << r.key << " is read but never written";
        keys.push_back(&*k);
      }
      for (const RecKey& k : row.write)
        if (std::find(keys.begin(), keys.end(), &k) == keys.end()) keys.push_back(&k);
      const bool menu = row.cls == ClassId::CCMenuBar || row.cls == ClassId::CCMenu;
      int i = 0;
      for (const RecKey* k : keys) {
        const PropInfo* p = c->property(k->property());
        if (!p) continue;
        PropValue v = unusual(*c, *p, i++);
        // A dialog read with Test 1 is the one shown; the window's menus always come back hidden.
        if (!strcmp(k->key, "Test") && row.readSpecial) v = PropValue(menu ? 0LL : 1LL);
        p->set(*c, v);
      }
      for (const RecRead& fixed : row.fixed) {
        const PropInfo* p = c->property(fixed.key);
        ASSERT_TRUE(p);
        if (auto* n = std::get_if<long long>(&fixed.value))
          p->set(*c, PropValue(*n));
        else
          p->set(*c, PropValue(std::string(std::get<const char*>(fixed.value))));
      }
      // The window's menus hang from the screen's top; the menu bar sits at its corner.
      if (menu) c->setTop(f.screen().top());
      if (row.cls == ClassId::CCMenuBar) c->setLeft(f.screen().left());
      // The reader fills a menu's items without sizing it to them (painting does).
      if (row.cls == ClassId::CCMenu) c->setHeight(createControl(row.cls)->height());
      Control* placed = f.add(std::move(c), menu ? nullptr : &f.screen());
      if (row.cls == ClassId::PTDialog) f.shownDialog = static_cast<TPTDialog*>(placed);

      auto back = reload(f);
      EXPECT_EQ(dump(*back), dump(f));
      EXPECT_EQ(formToIni(*back).serialize(), formToIni(f).serialize());

      // The kind word alone takes every default (one of the wrong type would throw).
      IniFile bare;
      bare.parse(std::string("[FORM]\nName=B\n[b]\nControl=") + row.kind + "\n");
      FormDocument g(lib, "B");
      EXPECT_NO_THROW(loadForm(g, bare, kWhite, nullptr));
      EXPECT_EQ(g.controlCount(), 1);
    }
  }
}

// The golden forms hold every kind of both libraries; what a save of them writes is kept beside them.
TEST(FormFile, GoldenFormsSaveByteForByteAsBefore) {
  for (auto [name, lib] : {std::pair{"ccontrols", kLibCControls}, std::pair{"ptoolbox", kLibPToolbox}}) {
    const std::string dir = std::string(TW_TESTDATA_DIR) + "/golden/";
    OpenedForm o = openFormFile(dir + name + ".twk", lib, kWhite);
    ASSERT_TRUE(o.form) << o.error;
    o.form->applyPaintRules(testpaint::fonts());  // as the designer does on opening
    EXPECT_EQ(formToIni(*o.form).serialize(), readWholeFile(dir + name + ".saved.twk").value_or("")) << name;
  }
}

// Keys missing, odd or out of range: every value each library's reader gives, in form-reading.txt.
TEST(FormFile, MissingAndOddKeysReadAsTheyAlwaysHave) {
  for (auto [name, lib, formName] : {std::tuple{"ccontrols", kLibCControls, "F"}, {"ptoolbox", kLibPToolbox, "X"}}) {
    IniFile ini;
    ini.parse(inputBlock("form-reading.txt", std::string(name) + " file"));
    FormDocument f(lib, formName);
    loadForm(f, ini, kWhite, nullptr);
    EXPECT_EQ(dump(f), goldenBlock("form-reading.txt", std::string(name) + " read", dump(f)));
    EXPECT_EQ(f.screen().title, "Form");
  }
  // What the properties do not show: a menu's real width beside its topic, the dialog shown.
  IniFile ini;
  ini.parse(inputBlock("form-reading.txt", "ccontrols file"));
  FormDocument f(kLibCControls, "F");
  loadForm(f, ini, kWhite, nullptr);
  auto* m = static_cast<TCCMenu*>(f.findComponent("Menu"));
  EXPECT_EQ(std::vector<int>({m->userLeft(), m->userWidth(), m->topicWidth(), m->width()}),
            std::vector<int>({9, 38, 36, 41}));
  EXPECT_EQ(f.shownDialog, nullptr);
  ini.parse(inputBlock("form-reading.txt", "ptoolbox file"));
  FormDocument g(kLibPToolbox, "X");
  loadForm(g, ini, kWhite, nullptr);
  EXPECT_EQ(g.shownDialog, g.findComponent("Dlg10"));  // two shown: the last read wins
}

TEST(FormFile, DialogChildrenFollowTheirDialogAndRemovedControlsLeaveNoSection) {
  TempDir dir;
  std::string path = dir.path + "/f.twk";
  FormDocument f(kLibPToolbox, "F");
  auto* d = place<TPTDialog>(f, "Dialog1");
  d->tag = 1;
  place<TPTButton>(f, "Button2", d);
  place<TPTLabel>(f, "Label3");
  place<TPTEdit>(f, "Field4", d);
  ASSERT_TRUE(saveForm(f, path, nullptr));
  IniFile ini;
  ini.load(path);
  EXPECT_EQ(ini.sections(), (std::vector<std::string>{"FORM", "Dialog1", "Button2", "Field4", "Label3"}));
  EXPECT_EQ(ini.readString("Field4", "Parent", ""), "Dialog1");
  EXPECT_FALSE(ini.value("Dialog1", "Parent"));

  f.remove(f.findComponent("Dialog1"));
  EXPECT_EQ(f.shownDialog, nullptr);
  ASSERT_TRUE(saveForm(f, path, nullptr));
  ini.load(path);
  EXPECT_EQ(ini.sections(), (std::vector<std::string>{"FORM", "Label3"}));
}

TEST(FormFile, OpeningChecksNameAndLibrary) {
  TempDir dir;
  std::string path = dir.path + "/f.twk";
  writeText(path, "[FORM]\r\nName=Other\r\nLib=2\r\n[B]\r\nControl=Button\r\n");
  OpenedForm o = openFormFile(path, kLibCControls, kWhite);
  EXPECT_FALSE(o.form);
  EXPECT_EQ(o.error, path + " format is not of the current library");
  o = openFormFile(path, kLibPToolbox, kWhite);
  ASSERT_TRUE(o.form);
  EXPECT_EQ(o.form->formName, "Other");
  EXPECT_EQ(o.form->fileName, path);
  EXPECT_EQ(o.form->controlCount(), 1);

  writeText(path, "[FORM]\r\nTitle=No name\r\nLib=2\r\n");
  o = openFormFile(path, kLibPToolbox, kWhite);
  EXPECT_FALSE(o.form);
  EXPECT_TRUE(o.error.empty());  // ignored without a word
}

TEST(FormFile, RecordsWithRefusedNamesAreKeptUnderFreshNames) {
  IniFile ini;
  ini.parse(inputBlock("form-reading.txt", "refused names file"));
  FormDocument f(kLibCControls, "F");
  std::vector<std::string> messages;
  int counter = 6;  // the designer's ControlCounter goes on from where it is
  loadForm(f, ini, kWhite, &messages, &counter);
  EXPECT_EQ(counter, 14);
  EXPECT_EQ(f.controlCount(), 16);
  // Each renaming said; children follow the dialog read before them under its fresh name.
  std::string read;
  for (const std::string& m : messages) read += m + "\n";
  read += dump(f);
  EXPECT_EQ(read, goldenBlock("form-reading.txt", "refused names read", read));
  EXPECT_TRUE(f.partlyReadFile.empty());

  // What was read under fresh names reads back whole, without a word.
  messages.clear();
  auto back = reload(f, &messages);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(dump(*back), dump(f));
}

TEST(FormFile, TheHeaderNameIsNoComponentName) {
  FormSession s(kLibPToolbox);
  Control* b = s.place(Tool::Button, 10, 10);
  ASSERT_TRUE(b);
  for (const char* name : {"Form", "FORM", "form"}) {
    EXPECT_FALSE(s.d.setValue("Name", name));
    EXPECT_EQ(s.lastMessage(), std::string("'") + name + "' is not a valid component name");
  }
  EXPECT_EQ(b->name(), "Button1");
  EXPECT_FALSE(s.d.paste(writeControlPayload(*b, "fORM")));
  EXPECT_EQ(s.lastMessage(), "'fORM' is not a valid component name");
}  // a file holding such a record opens with the header intact: files-cli.txt

TEST(FormFile, AFilePartlyReadIsNeverSavedOver) {
  TempDir dir;
  const std::string path = dir.path + "/F.twk";
  const std::string text = "[FORM]\r\nName=F\r\nLib=1\r\n[B]\r\nControl=Button\r\n[G]\r\nControl=GSI\r\n";
  writeText(path, text);
  OpenedForm o = openFormFile(path, kLibCControls, kWhite);
  ASSERT_TRUE(o.form);
  EXPECT_EQ(o.form->controlCount(), 1);
  EXPECT_EQ(o.messages, std::vector<std::string>{
                            "The control G is of the kind GSI, which this library does not have, and was not read"});
  std::string why;
  EXPECT_FALSE(saveForm(*o.form, path, &why));
  EXPECT_EQ(why, path + " holds controls that were not read: save the form under another name");
  EXPECT_FALSE(saveForm(*o.form, dir.path + "/../" + fileNamePart(dir.path) + "/F.twk", &why));  // same file
  EXPECT_EQ(*readWholeFile(path), text);
  EXPECT_TRUE(saveForm(*o.form, dir.path + "/Copy.twk", &why)) << why;

  // Saved with its project, the form keeps its file and stays listed; the rest is saved.
  Project p;
  p.forms.push_back({std::move(o.form), true});
  p.forms[0].form->screen().title = "changed";
  EXPECT_FALSE(writeProjectFile(p, dir.path + "/P.twp", {}, saveFormsToTheirFiles(), &why));
  EXPECT_EQ(why, path + " holds controls that were not read: save the form under another name");
  EXPECT_EQ(*readWholeFile(path), text);
  IniFile project;
  ASSERT_TRUE(project.load(dir.path + "/P.twp"));
  EXPECT_EQ(project.readString("ActiveForms", "Form0", ""), path);
}

TEST(FormFile, HostileInputLoadsQuicklyWithinBounds) {
  std::string big = "[FORM]\nName=F\nLib=1\n[L]\nControl=ListBox\nName=L\nCount=2000000000\nItem1999999999=last\n"
                    "[G]\nControl=Button\nName=G\nLeft=2147483647\nTop=-2147483648\nWidth=2147483647\nHeight=99999999999\n"
                    "[Long]\nControl=Label\nName=Long\nContent=" +
                    std::string(1 << 20, 'x') + "\n";
  for (int i = 0; i < 20000; ++i) big += "[D]\nControl=Button\nName=D\n";  // each read, under a fresh name
  big += std::string("\0\xff\x01[[]]==\r\r\n", 12);
  IniFile ini;
  ini.parse(big);
  FormDocument f(kLibCControls, "F");
  loadForm(f, ini, kWhite, nullptr);
  auto* l = static_cast<TCCListBox*>(f.findComponent("L"));
  ASSERT_TRUE(l && f.findComponent("G") && f.findComponent("Long"));
  EXPECT_EQ(l->items, std::vector<std::string>{"last"});
  auto* g = f.findComponent("G");
  EXPECT_EQ(g->left(), 32767);
  EXPECT_EQ(g->top(), -32768);
  EXPECT_EQ(g->width(), 32767);
  EXPECT_EQ(g->height(), 14);  // beyond 32 bits is no number: the default
  EXPECT_EQ(static_cast<TCCLabel*>(f.findComponent("Long"))->content.size(), size_t(1 << 20));
  EXPECT_EQ(f.controlCount(), 20003);
  EXPECT_TRUE(f.findComponent("Button19999"));
}
