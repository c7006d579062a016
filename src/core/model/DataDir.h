#pragma once
// Where the program's data files (the fonts, help, default icons) are read from: beside the executable,
// where a build folder keeps a copy, else the installed data folder.
#include <string>

namespace tw {

// The folder beside the running executable (from /proc/self/exe); empty when it cannot be found.
std::string executableDir();

// The first folder that holds PilotStandard.fon: the executable's own folder, then ../share/tarnowick
// beside it. When neither does, the executable's folder (or "." when that is unknown), so that a
// missing font is reported against the place it was looked for.
std::string dataDir();

}  // namespace tw
