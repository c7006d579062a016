// The designer program, executed by the command line `tarnowick` with no command or with a file to
// open. Run directly, it answers the commands too, so either program does what the other's user expects.
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#include "app/MainWindow.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (tw::isCliInvocation(args)) return tw::runCli(args, std::cout, std::cerr);
  // Without a platform to connect to, the window system's start aborts the process: say so instead.
  if (!tw::designerHasDisplay(args)) {
    std::cerr << "tarnowick: no display to show the designer on (DISPLAY is not set); for the commands, see --help\n";
    return tw::kExitUsage;
  }
  return tw::ui::runDesigner(argc, argv);
}
