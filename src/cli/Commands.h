#pragma once
// One function per subcommand; each takes the words after the command's name.
#include <iosfwd>
#include <string>
#include <vector>

namespace tw {

int runResave(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tw
