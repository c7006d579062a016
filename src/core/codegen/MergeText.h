#pragma once
// Three-way merge of a generated text file: what was generated last time (the base), the file as the
// user left it, and what is generated now. The line merge itself is libgit2's.
#include <string>

namespace tw {

struct MergedText {
  bool ok = false;      // false: the texts could not be merged at all (why says so); nothing to write
  std::string text;     // the merged file, conflict blocks included
  int conflicts = 0;    // how many conflict blocks it holds
  std::string why;
};

// Lines both sides changed become blocks "<<<<<<< yours" / "=======" / ">>>>>>> generated".
// A file whose line ends an editor turned from CR LF into LF is merged as if it had kept them.
MergedText mergeGenerated(const std::string& base, const std::string& edited, const std::string& generated);

}  // namespace tw
