#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (tw::isCliInvocation(args)) return tw::runCli(args, std::cout, std::cerr);
  std::cerr << "tarnowick: the designer window is not built yet; use a command (see --help).\n";
  return tw::kExitUsage;
}
