// The designer program, executed by the command line `tarnowick` with no command or with a file to
// open. Run directly, it answers the commands too, so either program does what the other's user expects.
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#include "app/MainWindow.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto status = tw::runUnlessDesigner(args, std::cout, std::cerr)) return *status;
  return tw::ui::runDesigner(argc, argv);
}
