// The layout checker: each rule on small forms that break it and that keep it, and the command.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "PaintTest.h"
#include "TestFiles.h"
#include "check/Checks.h"
#include "codegen/GenerationSettings.h"
#include "ini/IniFile.h"
#include "model/FormDocument.h"
#include "model/FormFile.h"

using namespace tw;

namespace {

std::string form(const std::string& name, const std::string& body, int lib = 1) {
  return "[FORM]\nName=" + name + "\nLib=" + std::to_string(lib) + "\n" + body;
}
std::string box(const char* kind, const std::string& name, int l, int t, int w, int h, const std::string& more = "") {
  return "[" + name + "]\nControl=" + kind + "\nName=" + name + "\nLeft=" + std::to_string(l) + "\nTop=" +
         std::to_string(t) + "\nWidth=" + std::to_string(w) + "\nHeight=" + std::to_string(h) + "\n" + more;
}
std::string button(const std::string& name, int l, int t, int w = 40, int h = 14, const std::string& more = "") {
  return box("Button", name, l, t, w, h, "Content=Go\n" + more);
}

struct Checked {
  std::vector<std::unique_ptr<FormDocument>> forms;
  std::vector<Problem> problems;
  // "rule control" of every problem, in order.
  std::vector<std::string> found() const {
    std::vector<std::string> out;
    for (const Problem& p : problems) out.push_back(p.rule + " " + p.control);
    return out;
  }
};

Checked check(const std::vector<std::string>& files, const GenerationSettings* settings = nullptr) {
  Checked c;
  CheckRequest rq;
  rq.project = true;
  rq.settings = settings;
  rq.settingsFile = "P.twp";
  for (const std::string& text : files) {
    IniFile ini;
    ini.parse(text);
    auto f = std::make_unique<FormDocument>(ini.readInteger("FORM", "Lib", 1), ini.readString("FORM", "Name", ""));
    ini.setPath(f->formName + ".twk");
    loadForm(*f, ini, kWhite, nullptr);
    f->applyPaintRules(testpaint::fonts());
    rq.forms.push_back(f.get());
    c.forms.push_back(std::move(f));
  }
  c.problems = runChecks(rq, testpaint::fonts());
  return c;
}

using V = std::vector<std::string>;

}  // namespace

// One row per situation: the forms (the first is the first form) and every problem they must give, no more.
TEST(Checks, EachRuleFindsItsFaultAndOnlyIt) {
  const std::string dialog = box("Dialog", "dlgAbout", 10, 40, 100, 60, "Content=About\nTest=1\n");
  struct Row {
    const char* what;
    std::vector<std::string> forms;
    V expected;
  };
  const Row rows[] = {
      {"inside and at the edges: nothing", {form("Main", button("a", 0, 0) + button("b", 120, 146))}, {}},
      {"off the right edge, off the top, wholly below; a child outside its dialog",
       {form("Main", button("a", 126, 10) + button("b", 10, -3) + button("c", 10, 170) + dialog +
                         button("d", 70, 20, 40, 14, "Parent=dlgAbout\n"))},
       {"off-screen a", "off-screen b", "off-screen c", "off-screen d"}},
      {"tappable controls over one another; a label, a closed pop-up or a plain image over a button is fine",
       {form("Main", button("a", 10, 10) + button("b", 45, 20) + box("Label", "l", 10, 10, 40, 13, "Content=x\n") +
                         box("PopUp", "p", 10, 10, 40, 36, "Count=1\nItem0=x\n") +
                         box("Image", "i", 10, 10, 8, 8, "Clickable=0\n") + button("far", 100, 100))},
       {"overlap b"}},
      {"texts wider than their box; a label in the large font, taller than its 13 rows; self-sizing buttons",
       {form("Main", box("Button", "a", 0, 0, 30, 14, "Content=Much too long\n") +
                         box("Label", "l", 0, 20, 100, 13, "Content=Big\nFont=PilotLarge,12,,0,clWindowText,2\n") +
                         box("ListBox", "lst", 0, 40, 30, 24, "Count=2\nItem0=Ok\nItem1=Wednesday evening\n") +
                         box("Button", "fits", 0, 80, 60, 14, "Content=Fits\n"))},
       {"clipped-text a", "clipped-text l", "clipped-text lst"}},
      {"a PToolboxLib label sizes itself; a selector trigger too",
       {form("Main", "[l]\nControl=Label\nName=l\nText=A long long label text here\nLeft=0\nTop=0\n" +
                         box("Select", "s", 0, 20, 10, 14, "Text=Pick a colour\n"), 2)},
       {}},
      {"links: to no form, in other letter case, to a dialog of another form, to a form; a list's trigger",
       {form("Main", button("a", 0, 0, 40, 14, "ShowForm=Nowhere\n") + button("b", 0, 20, 40, 14, "ShowForm=second\n") +
                         button("c", 0, 40, 40, 14, "ShowForm=dlgAbout\n") +
                         button("d", 0, 60, 40, 14, "ShowForm=Second\n") + button("e", 0, 80, 40, 14, "ShowForm=(None)\n")),
        form("Second", dialog)},
       {"missing-target a", "missing-target b"}},
      {"a list opened by a trigger the form has not",
       {form("Main", "[lst]\nControl=List\nName=lst\nLeft=0\nTop=0\nWidth=50\nCount=1\nItem0=x\nTrigger=popGone\n" +
                         box("PopTrigger", "pop", 60, 0, 50, 15, "Text=Pop\n") +
                         "[lst2]\nControl=List\nName=lst2\nLeft=0\nTop=60\nWidth=50\nCount=1\nItem0=x\nTrigger=pop\n",
             2)},
       {"missing-target lst"}},
      {"forms reached through a dialog's button, and one reached by none",
       {form("Main", button("a", 0, 0, 40, 14, "ShowForm=dlgAbout\n") + dialog +
                         button("b", 2, 20, 40, 14, "Parent=dlgAbout\nShowForm=Second\n")),
        form("Second", button("c", 0, 0, 40, 14, "ShowForm=Main\n")), form("Third", "")},
       {"unreachable-form Third"}},
      {"lists, radio groups, menus with no items",
       {form("Main", box("ListBox", "lst", 0, 0, 40, 24, "Count=0\n") + box("Radio", "r", 0, 30, 40, 14, "Count=0\n") +
                         box("ListBox", "full", 0, 60, 40, 24, "Count=1\nItem0=x\n") +
                         "[MenuBar]\nControl=MenuBar\nName=mb\n[m]\nControl=Menu\nName=m\nTopic=File\nCount=0\n")},
       {"empty-list lst", "empty-list r", "empty-list m"}},
      {"no width, no height",
       {form("Main", box("Image", "i", 0, 0, 0, 20) + box("Image", "j", 30, 0, 20, -1) + box("Image", "k", 60, 0, 1, 1))},
       {"zero-size i", "zero-size j"}},
      {"quotes and backslashes in texts, items and titles",
       {form("Main", box("Label", "l", 0, 0, 100, 13, "Content=Say \"hi\n") +
                         box("ListBox", "lst", 0, 20, 80, 24, "Count=1\nItem0=C:\\temp\n") +
                         box("Label", "ok", 0, 60, 100, 13, "Content=It's fine\n") +
                         box("Dialog", "dlg", 0, 80, 100, 60, "Content=\"Quoted\" title\n"))},
       {"quote-in-text l", "quote-in-text lst", "quote-in-text dlg"}},
      {"one name on two forms",
       {form("Main", button("butOk", 0, 0, 40, 14, "ShowForm=Second\n")), form("Second", button("butOK", 0, 0) + button("Main", 0, 20))},
       {"duplicate-name Main"}},
  };
  for (const Row& row : rows) EXPECT_EQ(check(row.forms).found(), row.expected) << row.what;
}

TEST(Checks, ProblemsSayWhereAndWhatInTheCompilersForm) {
  Checked c = check({form("Main", "\n[other]\nControl=Label\nName=other\nLeft=0\nTop=40\n\n" + button("butOk", 126, 10))});
  ASSERT_EQ(c.problems.size(), 1u);
  EXPECT_EQ(problemLine(c.problems[0]),
            "Main.twk:11: warning: 'butOk' lies 6 pixels outside the screen (right edge at 166) [off-screen]");
  EXPECT_EQ(problemJson(c.problems[0]),
            "{\"file\": \"Main.twk\", \"line\": 11, \"control\": \"butOk\", \"rule\": \"off-screen\", \"severity\": "
            "\"warning\", \"message\": \"'butOk' lies 6 pixels outside the screen (right edge at 166)\"}");
  EXPECT_EQ(c.problems[0].form, c.forms[0].get());

  GenerationSettings s;
  s.creatorId = "TOOLONG";
  s.appName = "Quote \" me";
  s.appDb = std::string(31, 'd');  // the most it may hold
  Checked settings = check({form("Main", "")}, &s);
  EXPECT_EQ(settings.found(), (V{"setting-length CreatorID", "quote-in-text AppName"}));
  EXPECT_EQ(settings.problems[0].file, "P.twp");
}

TEST(Checks, JsonStringsAreValidWhateverTheBytes) {
  const std::pair<std::string, std::string> rows[] = {
      {"plain", "\"plain\""},
      {"a \"b\" \\ c", "\"a \\\"b\\\" \\\\ c\""},
      {"tab\tnl\ncr\r\x01\x7f", "\"tab\\tnl\\ncr\\r\\u0001\\u007f\""},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
      {"\xE9t\xC3", "\"\xEF\xBF\xBDt\xEF\xBF\xBD\""},               // Windows-1252 bytes, a cut sequence
      {"\xC0\xAF\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // overlong, surrogate
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"\xE2\x80\xA8", "\"\\u2028\""},
  };
  for (const auto& [in, out] : rows) EXPECT_EQ(jsonString(in), out) << in;
}

TEST(Checks, CommandExitStatusesAndFormats) {
  TempDir dir;
  auto run = [](const std::string& args) { return runCommand(std::string(TW_EXE) + " check " + args); };
  const std::string good = dir.path + "/Good.twk", bad = dir.path + "/Bad.twk", proj = dir.path + "/P.twp";
  writeText(good, form("Good", button("a", 0, 0)));
  writeText(bad, form("Bad", button("a", 150, 0) + box("Label", "q", 0, 20, 60, 13, "Content=\"x\\\n")));
  EXPECT_EQ(run(good).status, 0);
  CmdResult text = run(bad);
  EXPECT_EQ(text.status, 4);
  EXPECT_NE(text.output.find(bad + ":4: warning: 'a' lies 30 pixels outside the screen"), std::string::npos) << text.output;
  CmdResult json = run(bad + " --format json");
  EXPECT_EQ(json.status, 4);
  EXPECT_EQ(json.output.rfind("[\n  {\"file\": ", 0), 0u) << json.output;
  EXPECT_NE(json.output.find("\"message\": \"the text \\\"\\\"x\\\\\\\" of 'q'"), std::string::npos) << json.output;
  EXPECT_EQ(run(good + " --format json").output, "[]\n");

  writeText(proj, "[Project]\nLib=1\n[ActiveForms]\nForm1=Good.twk\nForm2=Bad.twk\n[Code]\nFirstForm=Good\n");
  CmdResult project = run(proj);
  EXPECT_EQ(project.status, 4);
  EXPECT_NE(project.output.find("Bad.twk:1: note: the form 'Bad' is opened by no ShowForm"), std::string::npos)
      << project.output;

  EXPECT_EQ(run("").status, 1);
  EXPECT_EQ(run(good + " --format xml").status, 1);
  EXPECT_EQ(run(dir.path + "/none.twk").status, 2);
  EXPECT_EQ(run(good + " " + dir.path + "/none.twp").status, 2);
}
