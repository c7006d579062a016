// The items editor's text: every line one item, empty lines included, no item from a final break.
#include <gtest/gtest.h>

#include "model/ItemLines.h"

using tw::itemLines;
using V = std::vector<std::string>;

TEST(ItemLines, EveryLineIsAnItemAndEveryItemALine) {
  const std::pair<std::string, V> cases[] = {
      {"One\nTwo\nThree", {"One", "Two", "Three"}}, {"One\n\nThree\n", {"One", "", "Three"}},
      {"One\r\nTwo\rThree\r\n", {"One", "Two", "Three"}}, {"", {}}, {"\n", {""}}, {"\n\n", {"", ""}},
      {"  padded  ", {"  padded  "}}};
  for (const auto& [text, items] : cases) EXPECT_EQ(itemLines(text), items) << text;
  // And back: every item on its line.
  V items{"One", "", "Three"};
  EXPECT_EQ(tw::itemText(items), "One\n\nThree");
  EXPECT_EQ(itemLines(tw::itemText(items)), items);
  EXPECT_EQ(tw::itemText({}), "");
  EXPECT_EQ(tw::itemCountText(0), "0 items");
  EXPECT_EQ(tw::itemCountText(3), "3 items");
}
