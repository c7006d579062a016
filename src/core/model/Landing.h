#pragma once
// Where new things land so that they are seen: a pasted control steps off an equal control it
// would hide, a new form window off the windows opened before it.
#include <string>
#include <utility>
#include <vector>

namespace tw {

class Control;

inline constexpr int kMinPasteStep = 8;

// Pasted controls of which one lies exactly over a shown sibling of its class and size move together
// right and down by the grid size (at least 8 pixels), as often as it takes to hide none, so that
// their layout holds. Controls pasted into a form without such a twin stay where they were copied from.
void stepOffTwins(const std::vector<Control*>& pasted, int grid);

// The first of (left, top), (left + step, top + step), ... that none of the taken positions holds.
std::pair<int, int> cascadeSpot(int left, int top, const std::vector<std::pair<int, int>>& taken, int step);

// Where a file dialog starts, proposing a name (or none): in the project's folder while the project
// has a file, else in the folder of the file last chosen in a dialog, else in the home folder;
// never the program's own folder. A proposed path that names its folder keeps it.
std::string dialogStart(const std::string& proposed, const std::string& projectFile, const std::string& lastChosen,
                        const std::string& home);

}  // namespace tw
