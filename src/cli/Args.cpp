#include "Args.h"

namespace tw {

ParsedArgs parseArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags) {
  ParsedArgs p;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() > 1 && a[0] == '-') {
      std::string name = a, value;
      bool inlineValue = false;
      if (auto eq = a.find('='); eq != std::string::npos) {
        name = a.substr(0, eq);
        value = a.substr(eq + 1);
        inlineValue = true;
      }
      if (valued.count(name)) {
        if (!inlineValue) {
          if (i + 1 >= args.size()) {
            p.error = name + " needs a value";
            return p;
          }
          value = args[++i];
        }
        p.options[name] = value;
      } else if (flags.count(name) && !inlineValue) {
        p.flags.insert(name);
      } else {
        p.error = "unknown option '" + a + "'";
        return p;
      }
    } else {
      p.positional.push_back(a);
    }
  }
  return p;
}

}  // namespace tw
