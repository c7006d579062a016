#pragma once
// One function per subcommand; each takes the words after the command's name.
#include <iosfwd>
#include <string>
#include <vector>

namespace tw {

int runGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runResave(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tw
