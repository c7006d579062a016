#pragma once
// The PToolboxLib generator: every form and dialog becomes a native form created at start-up, every
// control gets an ID number, and one event loop per container dispatches on it.
#include "CodeText.h"

namespace tw::ptcode {

void writeMainFile(Lines& lines, const GenerationContext& ctx);  // after the main file's first lines
void writeFormsFile(Lines& lines, const GenerationContext& ctx);
void writeEventsFile(Lines& lines, const GenerationContext& ctx);
void writeHeaderFile(Lines& lines, const GenerationContext& ctx);

// The ID numbers start here, run across the whole project, and the first one given is one more.
inline constexpr int kFirstIdBefore = 2999;

}  // namespace tw::ptcode
