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

LoadedForm loadFormForCli(const std::string& path, std::ostream& err);

}  // namespace tw
