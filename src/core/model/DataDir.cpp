#include "DataDir.h"

#include <filesystem>
#include <system_error>

namespace tw {

std::string executableDir() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return {};
  return exe.parent_path().string();
}

std::string dataDir() {
  const std::string exeDir = executableDir();
  if (exeDir.empty()) return ".";
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const fs::path& dir : {fs::path(exeDir), fs::path(exeDir) / ".." / "share" / "tarnowick"})
    if (fs::is_regular_file(dir / "PilotStandard.fon", ec)) return dir.lexically_normal().string();
  return exeDir;
}

}  // namespace tw
