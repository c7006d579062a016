#include "Landing.h"

#include <algorithm>

#include "Control.h"
#include "base/FileIO.h"

namespace tw {
namespace {

bool hidesTwin(const Control& c) {
  if (!c.parent()) return false;
  for (const auto& k : c.parent()->children())
    if (k.get() != &c && k->visible && k->classId() == c.classId() && k->left() == c.left() && k->top() == c.top() &&
        k->width() == c.width() && k->height() == c.height())
      return true;
  return false;
}

}  // namespace

void stepOffTwins(Control& pasted, int grid) {
  const int step = std::max(grid, kMinPasteStep);
  // Each sibling blocks at most one of the spots tried, so one more try than siblings finds a free
  // one, unless the coordinates' limit stops the steps.
  size_t tries = pasted.parent() ? pasted.parent()->children().size() : 0;
  while (tries-- > 0 && hidesTwin(pasted)) {
    const int left = pasted.left(), top = pasted.top();
    pasted.setLeft((long long)left + step);
    pasted.setTop((long long)top + step);
    if (pasted.left() == left && pasted.top() == top) break;
  }
}

std::pair<int, int> cascadeSpot(int left, int top, const std::vector<std::pair<int, int>>& taken, int step) {
  std::pair<int, int> at{left, top};
  for (size_t i = 0; i <= taken.size(); ++i) {
    if (std::find(taken.begin(), taken.end(), at) == taken.end()) break;
    at = {at.first + step, at.second + step};
  }
  return at;
}

std::string dialogStart(const std::string& proposed, const std::string& projectFile, const std::string& lastChosen,
                        const std::string& home) {
  if (!proposed.empty() && proposed.front() == '/') return proposed;
  const std::string& from = !projectFile.empty() ? projectFile : lastChosen;
  // Only a folder the user has seen: a bare name's folder would be the current one.
  std::string folder = from.empty() || from.front() != '/' ? home : folderOf(from);
  if (proposed.empty()) return folder;
  return folder + (!folder.empty() && folder.back() == '/' ? "" : "/") + proposed;
}

}  // namespace tw
