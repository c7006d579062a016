#pragma once
// The items editor's text: one item per line, in order and verbatim, empty lines included; a final
// line break does not add an empty item, and an empty text holds no item.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Splits at LF, CR LF or a lone CR.
std::vector<std::string> itemLines(std::string_view text);
// The items joined with LF, one line each.
std::string itemText(const std::vector<std::string>& items);
// "3 items"
std::string itemCountText(size_t count);

// The first item that a form file cannot keep (its line, from 0) and why; none when all can be kept.
struct RefusedItem {
  size_t line;
  std::string why;
};
std::optional<RefusedItem> refusedItem(const std::vector<std::string>& items);

}  // namespace tw
