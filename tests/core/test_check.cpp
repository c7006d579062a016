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

// One block of checks.txt per situation: every problem its forms must give, no more ("problem: RULE
// CONTROL" lines), then the forms, the first of them the first form.
TEST(Checks, EachRuleFindsItsFaultAndOnlyIt) {
  const GoldenBlocks blocks = goldenBlocks("checks.txt");
  ASSERT_EQ(blocks.size(), 13u);
  for (const auto& [what, text] : blocks) {
    V expected, forms;
    for (size_t at = 0, eol; at < text.size(); at = eol + 1) {
      eol = text.find('\n', at);
      const std::string line = text.substr(at, eol - at);
      if (line.rfind("problem: ", 0) == 0) expected.push_back(line.substr(9));
      else if (line == "[FORM]") forms.push_back("");
      if (!forms.empty()) forms.back() += line + "\n";
    }
    EXPECT_EQ(check(forms).found(), expected) << what;
  }
}

// (Their lines in the compilers' form and in JSON: the check sessions of files-cli.txt.)
TEST(Checks, ProblemsSayWhereAndWhat) {
  Checked c = check({inputBlock("check-forms.txt", "Main, a button off the right edge at line 11")});
  ASSERT_EQ(c.found(), V{"off-screen butOk"});
  EXPECT_EQ(c.problems[0].line, 11);
  EXPECT_EQ(c.problems[0].form, c.forms[0].get());

  GenerationSettings s;
  s.creatorId = "TOOLONG";
  s.appName = "Quote \" me";
  s.appDb = std::string(31, 'd');  // the most it may hold
  Checked settings = check({"[FORM]\nName=Main\n"}, &s);
  EXPECT_EQ(settings.found(), (V{"setting-length CreatorID", "quote-in-text AppName"}));
  EXPECT_EQ(settings.problems[0].file, "P.twp");
}

TEST(Checks, JsonStringsAreValidWhateverTheBytes) {
  const std::pair<std::string, std::string> rows[] = {
      {"plain", "\"plain\""},
      {"a \"b\" \\ c", "\"a \\\"b\\\" \\\\ c\""},
      {"tab\tnl\ncr\r\x01\x7f", "\"tab\\tnl\\ncr\\r\\u0001\\u007f\""},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
      {"\xC2\x80 \xE0\xA0\x80 \xF0\x90\x80\x80", "\"\xC2\x80 \xE0\xA0\x80 \xF0\x90\x80\x80\""},  // the least of each length
      {"\xE9t\xC3", "\"\xEF\xBF\xBDt\xEF\xBF\xBD\""},               // Windows-1252 bytes, a cut sequence
      {"\xC0\xAF\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // overlong, surrogate
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"\xE2\x80\xA8", "\"\\u2028\""},
  };
  for (const auto& [in, out] : rows) EXPECT_EQ(jsonString(in), out) << in;
}
