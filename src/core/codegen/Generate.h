#pragma once
// Generating a project's code as the generate-code dialog's Generate does: the main file's first
// lines, then the library's four writers.
#include <string>
#include <vector>

#include "CodeText.h"
#include "GenerationSettings.h"

namespace tw {

struct GeneratedCode {
  Lines main, forms, events, header;
};

struct GenerateRequest {
  int library = 1;
  std::string project;                     // P
  std::vector<const FormDocument*> forms;  // the open forms, in order
  GenerationSettings settings;             // target, first form, PDE settings
};

// With no open form there is no first form: nothing is generated and why says so.
bool generateCode(const GenerateRequest& request, GeneratedCode& out, std::string* why);

}  // namespace tw
