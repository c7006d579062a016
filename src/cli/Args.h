#pragma once
// A small parser for "POSITIONAL --option VALUE --flag" command lines.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tw {

struct ParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // "--out" -> value
  std::set<std::string> flags;                 // "--force"
  std::string error;                           // set when the words are off
};

// valued: options that take a value; flags: options that take none.
ParsedArgs parseArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags);

}  // namespace tw
