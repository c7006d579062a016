#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#ifdef TW_HAVE_UI
#include "app/MainWindow.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (tw::isCliInvocation(args)) return tw::runCli(args, std::cout, std::cerr);
#ifdef TW_HAVE_UI
  // Without a platform to connect to, the window system's start aborts the process: say so instead.
  if (!tw::designerHasDisplay(args)) {
    std::cerr << "tarnowick: no display to show the designer on (DISPLAY is not set); for the commands, see --help\n";
    return tw::kExitUsage;
  }
  return tw::ui::runDesigner(argc, argv);
#else
  std::cerr << "tarnowick: this build has no designer window; use a command (see --help).\n";
  return tw::kExitUsage;
#endif
}
