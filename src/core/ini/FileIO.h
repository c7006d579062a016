#pragma once
// Whole-file reads and safe whole-file writes.
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Files larger than this are refused as input: no file of the designer comes near it.
inline constexpr size_t kMaxInputFile = 64u << 20;

bool fileExists(const std::string& path);
bool isDirectory(const std::string& path);
// Whether two paths name one file, also through links; when either is missing the texts are compared.
bool sameFile(const std::string& a, const std::string& b);
// nullopt with why set when the file cannot be read (or is too large).
std::optional<std::string> readWholeFile(const std::string& path, std::string* why = nullptr);
// Writes a temporary file beside path, flushes it and renames it over path. On failure the old
// file is untouched, the temporary is removed and why says what went wrong.
bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string* why = nullptr);

std::string fileNamePart(const std::string& path);  // "a/b/Form1.twk" -> "Form1.twk"

}  // namespace tw
