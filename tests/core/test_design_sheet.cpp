// The inspector's rows: their texts, editing them, the checks and the choice lists.
#include <gtest/gtest.h>

#include "DesignSession.h"
#include "TestFiles.h"

namespace tw {

// The rows of every control as placed, and each row's text typed back leaving every row as it was.
TEST(DesignSheet, RowsOfEveryNewControlReadBackAsShown) {
  std::string got;
  for (int lib : {kLibCControls, kLibPToolbox}) {
    FormSession s(lib);
    for (int t = int(Tool::Button); t <= int(Tool::Dialog); ++t) {
      Control* c = s.place(Tool(t), 30, 40);
      if (!c) continue;
      const std::string rows = s.rows();
      got += std::to_string(lib) + " " + c->name() + ": " + rows + "\n";
      for (const auto& r : s.d.propertyRows())
        // A list row opens its editor; a radio group's width snaps to whole items on any change.
        if (r.text.rfind('(', 0) != 0 && !(std::string(c->className()) == "TCCRadio" && r.name == "Width")) {
          EXPECT_TRUE(s.d.setValue(r.name, r.text)) << c->name() << " " << r.name;
        }
      EXPECT_EQ(s.rows(), rows);
    }
    EXPECT_TRUE(s.msgs.shown.empty());
  }
  EXPECT_EQ(got, goldenText("new-controls.txt", got));
}

// Word rows, number rows as typed, texts, names, previews and choice lists.
TEST(DesignSheet, Scripts) {
  runDesignScripts("design-sheet.txt");
  // ValorOK guards only the numeric rows.
  EXPECT_FALSE(valorOK("MaxChars", ""));
  EXPECT_FALSE(valorOK("Edge", "-"));
  EXPECT_TRUE(valorOK("Text", ""));
  EXPECT_TRUE(valorOK("left", ""));
}

// The range a refusal names, "... takes values from LO to HI".
std::pair<long long, long long> namedRange(const std::string& message) {
  const size_t from = message.rfind(" from "), to = message.rfind(" to ");
  if (from == std::string::npos || to == std::string::npos) return {1, 0};
  return {std::stoll(message.substr(from + 6, to - from - 6)), std::stoll(message.substr(to + 4))};
}

TEST(DesignSheet, NumbersBeyondWhatTheControlHoldsAreRefusedAndTheCellShowsWhatIsStored) {
  struct Case {
    int lib;
    Tool tool;
    const char* row;
    const char* tooFar;
  };
  for (const Case& k : {Case{kLibPToolbox, Tool::Button, "Top", "99999"}, {kLibPToolbox, Tool::Button, "Left", "-40000"},
                        {kLibPToolbox, Tool::Button, "Width", "-1"}, {kLibPToolbox, Tool::Button, "Height", "32767"},
                        {kLibPToolbox, Tool::ListBox, "MaxItems", "-3"}, {kLibCControls, Tool::ListBox, "VisibleItems", "32767"},
                        {kLibCControls, Tool::Menu, "Left", "32767"}, {kLibCControls, Tool::Label, "Width", "-2147483648"},
                        {kLibCControls, Tool::Button, "Edge", "40000"}}) {
    SCOPED_TRACE(std::string(k.row) + " " + k.tooFar);
    FormSession s(k.lib);
    ASSERT_TRUE(s.place(k.tool, 20, 30));
    const std::string before = s.d.valueText(k.row);
    EXPECT_FALSE(s.d.applyTyped(k.row, k.tooFar));
    EXPECT_EQ(s.d.valueText(k.row), before);
    ASSERT_EQ(s.msgs.shown.size(), 1u);
    const std::string message = s.lastMessage();
    EXPECT_EQ(message.rfind(std::string("'") + k.tooFar + "' is out of range: " + k.row + " takes values from ", 0), 0u)
        << message;
    // Both ends of the named range are taken and shown as typed; one beyond either end is not.
    auto [lo, hi] = namedRange(message);
    ASSERT_LT(lo, hi) << message;
    EXPECT_EQ(lo < 0, std::string(k.row) != "Width" && std::string(k.row) != "Height" &&
                          std::string(k.row) != "MaxItems" && std::string(k.row) != "VisibleItems");
    for (long long v : {lo, hi}) {
      EXPECT_TRUE(s.d.applyTyped(k.row, std::to_string(v))) << v;
      EXPECT_EQ(s.d.valueText(k.row), std::to_string(v));
    }
    EXPECT_FALSE(s.d.applyTyped(k.row, std::to_string(lo - 1)));
    EXPECT_FALSE(s.d.applyTyped(k.row, std::to_string(hi + 1)));
    EXPECT_EQ(s.d.valueText(k.row), std::to_string(hi));
  }
}

}  // namespace tw
