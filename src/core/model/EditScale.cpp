#include "EditScale.h"

#include <algorithm>

#include "ini/IniFile.h"

namespace tw {

int clampEditScale(int scale) { return std::clamp(scale, kMinEditScale, kMaxEditScale); }

int defaultEditScale(int screenHeight) { return screenHeight >= 900 ? 2 : 1; }

int optionsEditScale(const IniFile& ini, int screenHeight) {
  // 0 is no scale at all: what a missing key or a word reads as.
  const int stored = ini.readInteger("General", "Zoom", 0);
  return stored == 0 ? defaultEditScale(screenHeight) : clampEditScale(stored);
}

void writeOptionsEditScale(IniFile& ini, int scale) { ini.writeInteger("General", "Zoom", clampEditScale(scale)); }

}  // namespace tw
