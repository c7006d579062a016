#include "Landing.h"

#include <algorithm>

#include "Control.h"
#include "base/FileIO.h"

namespace tw {
namespace {

bool hidesTwin(const Control& c, const std::vector<Control*>& group) {
  if (!c.parent()) return false;
  for (const auto& k : c.parent()->children())
    if (std::find(group.begin(), group.end(), k.get()) == group.end() && k->visible &&
        k->classId() == c.classId() && k->left() == c.left() && k->top() == c.top() && k->width() == c.width() &&
        k->height() == c.height())
      return true;
  return false;
}

}  // namespace

void stepOffTwins(const std::vector<Control*>& pasted, int grid) {
  const int step = std::max(grid, kMinPasteStep);
  auto hides = [&] {
    return std::any_of(pasted.begin(), pasted.end(), [&](const Control* c) { return hidesTwin(*c, pasted); });
  };
  // Each sibling blocks at most one of the spots tried, so one more try than siblings finds a free
  // one, unless the coordinates' limit stops the steps.
  size_t tries = 0;
  for (const Control* c : pasted) tries += c->parent() ? c->parent()->children().size() : 0;
  while (tries-- > 0 && hides()) {
    bool moved = false;
    for (Control* c : pasted) {
      const int left = c->left(), top = c->top();
      c->setLeft((long long)left + step);
      c->setTop((long long)top + step);
      moved = moved || c->left() != left || c->top() != top;
    }
    if (!moved) break;
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
