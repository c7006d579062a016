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

}  // namespace tw
