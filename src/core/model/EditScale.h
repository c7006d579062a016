#pragma once
// How large a form window shows its handheld pixels: each one a square block of a whole number of
// screen pixels, from 1 to 4, so that the picture stays crisp and every screen point falls on
// exactly one handheld pixel.
namespace tw {

class IniFile;

inline constexpr int kMinEditScale = 1, kMaxEditScale = 4;

int clampEditScale(int scale);
// Twice the handheld's size on a screen at least 900 pixels tall, where the form window fits at
// that size; once below.
int defaultEditScale(int screenHeight);
// options.ini's General/Zoom: the scale last chosen, or the screen's default when none was.
int optionsEditScale(const IniFile& ini, int screenHeight);
void writeOptionsEditScale(IniFile& ini, int scale);

}  // namespace tw
