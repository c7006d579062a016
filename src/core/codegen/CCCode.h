#pragma once
// The CControls generator: the main, forms, events and header texts of a project's open forms.
// Each writer appends to the lines it is given.
#include "CodeText.h"

namespace tw::cccode {

void writeMainFile(Lines& lines, const GenerationContext& ctx);  // after the main file's first lines
void writeFormsFile(Lines& lines, const GenerationContext& ctx);
void writeEventsFile(Lines& lines, const GenerationContext& ctx);
void writeHeaderFile(Lines& lines, const GenerationContext& ctx);

}  // namespace tw::cccode
