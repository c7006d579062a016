#pragma once
// Names in the order a person reads them: letter case ignored, and a run of digits compared as the
// number it spells, so that Button2 comes before Button14.
#include <string_view>

namespace tw {

// <0, 0 or >0 as a sorts before, with or after b.
int naturalCompare(std::string_view a, std::string_view b);
inline bool naturalLess(std::string_view a, std::string_view b) { return naturalCompare(a, b) < 0; }

}  // namespace tw
