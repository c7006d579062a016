#pragma once
// Opening a form file on the command line: with its own library, as the designer shows it.
#include <iosfwd>
#include <memory>
#include <string>

#include "model/FormDocument.h"

namespace tw {

struct LoadedForm {
  std::unique_ptr<FormDocument> form;  // null when the file could not be opened (err says why)
};

// Opens the form and paints it once (its paint-time rules: labels sizing themselves, lists measuring
// their rows, ...), so that what a command reads or writes is what the designer would. Loads the fonts
// first (loadFontsForCli).
LoadedForm loadFormForCli(const std::string& path, std::ostream& err);

// Loads the three handheld fonts from the data folder once per process; each font that is missing or
// damaged gives a warning on err, and drawing goes on with a substitute of the same metrics.
void loadFontsForCli(std::ostream& err);

}  // namespace tw
