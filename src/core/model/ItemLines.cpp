#include "ItemLines.h"

#include "Sheet.h"

namespace tw {

std::vector<std::string> itemLines(std::string_view text) {
  std::vector<std::string> out;
  std::string line;
  bool open = false;  // a line has begun that no break has ended yet
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      out.push_back(std::move(line));
      line.clear();
      open = false;
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += ch;
      open = true;
    }
  }
  if (open) out.push_back(std::move(line));
  return out;
}

std::string itemText(const std::vector<std::string>& items) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += '\n';
    out += items[i];
  }
  return out;
}

std::string itemCountText(size_t count) { return std::to_string(count) + " items"; }

std::optional<RefusedItem> refusedItem(const std::vector<std::string>& items) {
  for (size_t i = 0; i < items.size(); ++i)
    if (std::string why = textError(items[i]); !why.empty()) return RefusedItem{i, std::move(why)};
  return std::nullopt;
}

}  // namespace tw
