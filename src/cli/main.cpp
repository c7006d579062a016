// The command line. It links the core alone, so a command maps no window-system library; the
// designer is a program of its own, tarnowick-designer, installed in the same folder and executed
// in this process's place when no command is asked for.
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#include "model/DataDir.h"

namespace {

// A command reads, builds and writes a form in one go and then ends, so its heap is set up for that.
// Big blocks (a file's text, the text written) come from the heap rather than from pages of their
// own, so the text written reuses what reading the form freed; the heap is never handed back; and
// its first 128 MB, only reserved until touched, are advised into huge pages. A form of 40,000
// labels, some 50 MB in memory, would otherwise take 14,000 page faults: half of its resave.
void prepareHeapForACommand() {
#ifndef __SANITIZE_ADDRESS__  // the address sanitizer brings its own allocator
  constexpr size_t kReserve = size_t(128) << 20, kHugePage = size_t(2) << 20;
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  void* block = std::malloc(kReserve);
  if (!block) return;
  const auto start = reinterpret_cast<uintptr_t>(block);
  const uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
  ::madvise(reinterpret_cast<void*>(aligned), kReserve - (aligned - start), MADV_HUGEPAGE);
  std::free(block);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // A first word that is not an option names a command, or a file that the designer opens in this
  // process's place.
  if (!args.empty() && !args[0].empty() && args[0][0] != '-') prepareHeapForACommand();
  if (auto status = tw::runUnlessDesigner(args, std::cout, std::cerr)) return *status;
  std::string dir = tw::executableDir();
  std::string designer = (dir.empty() ? std::string(".") : dir) + "/tarnowick-designer";
  std::vector<char*> designerArgv(argv, argv + argc + 1);  // with the closing null
  designerArgv[0] = designer.data();
  ::execv(designer.c_str(), designerArgv.data());
  std::cerr << "tarnowick: cannot start the designer " << designer << ": " << std::strerror(errno) << "\n";
  return tw::kExitUsage;
}
