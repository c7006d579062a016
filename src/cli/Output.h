#pragma once
// Where a command writes the file named by --out.
#include <string>
#include <string_view>

namespace tw {

// A regular file (or a new one) is replaced as the designer saves: atomically. A character device or a
// FIFO (/dev/stdout, /dev/null, a pipe) is written into as a stream and stays what it is. A folder or
// any other kind of file is refused. On failure why says what went wrong.
bool writeOutput(const std::string& path, std::string_view bytes, std::string* why);

}  // namespace tw
