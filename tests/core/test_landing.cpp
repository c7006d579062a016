// Where things land and how they are shown: the form windows' scale, the control list's order,
// cascading windows and where file dialogs start.
#include <gtest/gtest.h>

#include "base/NaturalOrder.h"
#include "ini/IniFile.h"
#include "model/EditScale.h"
#include "model/Landing.h"

namespace tw {

TEST(Landing, EditScaleFromTheScreenAndTheOptions) {
  IniFile ini;
  EXPECT_EQ(optionsEditScale(ini, 899), 1);
  EXPECT_EQ(optionsEditScale(ini, 900), 2);
  // What was chosen wins over the screen, within 1..4 whatever the file says.
  const std::pair<const char*, int> stored[] = {{"3", 3}, {"1", 1}, {"9", 4}, {"-2", 1}, {"big", 2}, {"", 2}};
  for (auto [text, scale] : stored) {
    ini.writeString("General", "Zoom", text);
    EXPECT_EQ(optionsEditScale(ini, 1200), scale) << text;
  }
}

TEST(Landing, NamesSortAsAPersonReadsThem) {
  const char* ordered[] = {"", "a", "Button", "button2: Button", "Button2: Button", "Button14: Button",
                           "Button0099", "Button100", "Button99999999999999999999999", "Button100000000000000000000000x",
                           "Label1", "label1a", "Label2"};
  for (size_t i = 0; i + 1 < std::size(ordered); ++i)
    EXPECT_LE(naturalCompare(ordered[i], ordered[i + 1]), 0) << ordered[i] << " / " << ordered[i + 1];
  EXPECT_FALSE(naturalLess("Button14", "Button2"));
  EXPECT_EQ(naturalCompare("Form007", "form7"), 0);
  // A name seen through a view ends where the view does, though digits follow it in memory.
  const std::string_view cut = std::string_view("Button12").substr(0, 7);
  EXPECT_EQ(naturalCompare("Button1", cut), 0);
  EXPECT_EQ(naturalCompare(cut, "Button1"), 0);
}

TEST(Landing, WindowsCascadeAndDialogsStartInAFolderTheUserKnows) {
  EXPECT_EQ(cascadeSpot(10, 40, {}, 20), std::pair(10, 40));
  EXPECT_EQ(cascadeSpot(10, 40, {{10, 40}, {50, 80}, {30, 60}}, 20), std::pair(70, 100));
  EXPECT_EQ(cascadeSpot(10, 40, {{30, 60}}, 20), std::pair(10, 40));

  struct Case {
    const char *proposed, *project, *last, *start;
  } cases[] = {
      {"Form1.twk", "/p/q/Demo.twp", "/elsewhere/x.twk", "/p/q/Form1.twk"},
      {"Form1.twk", "", "/elsewhere/x.twk", "/elsewhere/Form1.twk"},
      {"", "", "", "/home/u"},
      {"Project1", "", "relative.twp", "/home/u/Project1"},
      {"/a/b/Form2.twk", "/p/Demo.twp", "", "/a/b/Form2.twk"},
      {"Form1.twk", "/Demo.twp", "", "/Form1.twk"},
  };
  for (const Case& c : cases) EXPECT_EQ(dialogStart(c.proposed, c.project, c.last, "/home/u"), c.start) << c.proposed;
}

}  // namespace tw
