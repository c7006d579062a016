#include "Cli.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <ostream>

#include "Commands.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"

namespace tw {
namespace {

const char* kUsage =
    "Usage: tarnowick [FILE.twp | FILE.twk]\n"
    "       tarnowick COMMAND [OPTIONS]\n"
    "\n"
    "Without a command, starts the designer (on the given project or form, if any).\n"
    "\n"
    "Commands:\n"
    "  generate PROJECT.twp [--out DIR] [--target pde|memos] [--first-form NAME] [--merge] [--force]\n"
    "      Write the project's four source files and, for PDE, its eight icons, as the designer's\n"
    "      Generate and Save do, using the project's Code and Icons settings unless an option\n"
    "      overrides them. A source file still as it was generated is replaced; one changed since\n"
    "      is merged with the new code with --merge (status 3 when conflicts remain in it), and\n"
    "      replaced only with --force. Icons that exist are replaced only with --force.\n"
    "  render FILE.twk --out FILE.png [--scale N] [--face]\n"
    "      Draw the form as the designer shows it: the 160 x 160 screen, or with --face the whole\n"
    "      picture of the handheld; --scale N (1 to 16) enlarges every pixel to N x N.\n"
    "  resave FILE.twk --out OUT.twk\n"
    "      Open the form with its own control library and save it as the designer saves it.\n"
    "  check PROJECT.twp | FORM.twk ... [--format text|json]\n"
    "      Report the layout's problems (controls off the screen or over one another, clipped texts,\n"
    "      links to no form, ...), one a line as compilers do, or as JSON objects. Form files given\n"
    "      without their project are checked together. Exit status 4 when problems are found.\n"
    "\n"
    "Options:\n"
    "  --help     Show this text.\n"
    "  --version  Show the version.\n"
    "\n"
    "Exit status: 0 done, 1 usage error, 2 unreadable or invalid input, 3 refused to overwrite,\n"
    "4 problems found (check).\n";

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"check", runCheck},
      {"generate", runGenerate},
      {"render", runRender},
      {"resave", runResave},
  };
  return table;
}

}  // namespace

bool isCliInvocation(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& word = args[0];
  if (word == "--help" || word == "-h" || word == "--version" || commands().count(word) > 0 ||
      (word.size() > 1 && word[0] == '-'))
    return true;
  auto endsWith = [&](std::string_view ext) {
    return word.size() >= ext.size() && sameText(std::string_view(word).substr(word.size() - ext.size()), ext);
  };
  return !(endsWith(".twp") || endsWith(".twk") || fileExists(word));
}

bool designerHasDisplay(const std::vector<std::string>& args) {
  for (const char* var : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* v = std::getenv(var); v && *v) return true;
  for (const std::string& a : args)
    if (a == "-platform" || a == "--platform" || a.rfind("-platform=", 0) == 0) return true;
  return false;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? kExitUsage : kExitOk;
  }
  if (args[0] == "--version") {
    out << "tarnowick " << TW_VERSION << "\n";
    return kExitOk;
  }
  auto it = commands().find(args[0]);
  if (it == commands().end()) {
    err << "tarnowick: unknown command or option '" << args[0] << "'\n" << kUsage;
    return kExitUsage;
  }
  return it->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

std::optional<int> runUnlessDesigner(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (isCliInvocation(args)) return runCli(args, out, err);
  if (!designerHasDisplay(args)) {
    err << "tarnowick: no display to show the designer on (DISPLAY is not set); for the commands, see --help\n";
    return kExitUsage;
  }
  return std::nullopt;
}

}  // namespace tw
