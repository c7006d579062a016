// The items editor's text: every line one item, empty lines included, no item from a final break.
#include <gtest/gtest.h>

#include "model/ItemLines.h"

using tw::itemLines;
using V = std::vector<std::string>;

TEST(ItemLines, EveryLineIsAnItemAndEveryItemALine) {
  EXPECT_EQ(itemLines("One\nTwo\nThree"), (V{"One", "Two", "Three"}));
  EXPECT_EQ(itemLines("One\n\nThree\n"), (V{"One", "", "Three"}));
  EXPECT_EQ(itemLines("One\r\nTwo\rThree\r\n"), (V{"One", "Two", "Three"}));
  EXPECT_EQ(itemLines(""), V{});
  EXPECT_EQ(itemLines("\n"), V{""});
  EXPECT_EQ(itemLines("\n\n"), (V{"", ""}));
  EXPECT_EQ(itemLines("  padded  "), V{"  padded  "});
  // And back: every item on its line.
  V items{"One", "", "Three"};
  EXPECT_EQ(tw::itemText(items), "One\n\nThree");
  EXPECT_EQ(itemLines(tw::itemText(items)), items);
  EXPECT_EQ(tw::itemText({}), "");
  EXPECT_EQ(tw::itemCountText(0), "0 items");
  EXPECT_EQ(tw::itemCountText(3), "3 items");
}
