#pragma once
// What the generate-code window keeps beside the generators: the text of its four panes and their
// counters, and the project file's generation settings written in place as the window changes them.
#include <cstddef>
#include <string>
#include <string_view>

#include "CodeText.h"
#include "GenerationSettings.h"

namespace tw {

// A pane's text holds every line followed by a line break ('\n'), as the file holds it followed by CR LF.
std::string paneText(const Lines& lines);
// The lines of a pane's text: a last line without a break is a line too; a CR before a break is
// part of the break. paneLines(paneText(l)) == l.
Lines paneLines(std::string_view text);

// A pane's two counters: its lines, and its characters with each line break counted as two.
struct PaneCount {
  size_t lines = 0, chars = 0;
};
PaneCount countPane(std::string_view text);

// Writes the Code section into the project file, keeping everything else in it (Generate does this).
// False, with why, when the project file cannot be read or written.
bool storeCodeSettings(const std::string& projectFile, const GenerationSettings& s, std::string* why);
// Writes one icon slot's chosen picture into section Icons of the project file at once.
bool storeIconChoice(const std::string& projectFile, size_t slot, const std::string& path, std::string* why);

// The icon paths the window shows and saves: each stored path whose file still exists; empty (the
// slot's default picture) for the others.
std::array<std::string, kIconSlotCount> existingIcons(const GenerationSettings& s);

}  // namespace tw
