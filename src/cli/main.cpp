// The command line. It links the core alone, so a command maps no window-system library; the
// designer is a program of its own, tarnowick-designer, installed in the same folder and executed
// in this process's place when no command is asked for.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#include "model/DataDir.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto status = tw::runUnlessDesigner(args, std::cout, std::cerr)) return *status;
  std::string dir = tw::executableDir();
  std::string designer = (dir.empty() ? std::string(".") : dir) + "/tarnowick-designer";
  std::vector<char*> designerArgv(argv, argv + argc + 1);  // with the closing null
  designerArgv[0] = designer.data();
  ::execv(designer.c_str(), designerArgv.data());
  std::cerr << "tarnowick: cannot start the designer " << designer << ": " << std::strerror(errno) << "\n";
  return tw::kExitUsage;
}
