#pragma once
// What both generators share: the generation context, the line lists and the bitmap literal.
#include <string>
#include <vector>

namespace tw {

class Control;
class FormDocument;

using Lines = std::vector<std::string>;

// What the generate-code dialog hands the writers.
struct GenerationContext {
  std::string project;                      // P: the project name
  std::vector<const FormDocument*> forms;   // the first-form list, in order
  const FormDocument* firstForm = nullptr;  // the entry selected in it
  bool memos = false;                       // the memos target rather than PDE
};

// A bitmap's picture as a string literal: its width in lower-case hex (two digits at least), the
// joiner, and the StringBits text, split once after 255 characters when it has 256 or more.
std::string bitmapLiteral(int width, const std::string& stringBits);

// The dialogs on a form's screen, in child order.
std::vector<const Control*> dialogsOf(const FormDocument& form);

// A text as a string literal of the generated code, verbatim between double quotes.
inline std::string quoted(const std::string& s) { return '"' + s + '"'; }

// A line list as file bytes: Windows-1252, each line followed by CR LF.
std::string linesToFile(const Lines& lines);

}  // namespace tw
