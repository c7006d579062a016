#include "MergeText.h"

#include <dlfcn.h>
#include <git2.h>

namespace tw {
namespace {

constexpr const char* kYours = "yours";
constexpr const char* kGenerated = "generated";

bool hasCrLf(const std::string& s) { return s.find("\r\n") != std::string::npos; }

std::string withCrLf(const std::string& s) {
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out += '\r';
    out += s[i];
  }
  return out;
}

int countConflicts(const std::string& text) {
  int n = 0;
  const std::string marker = std::string("<<<<<<< ") + kYours;
  for (size_t at = 0; (at = text.find(marker, at)) != std::string::npos; at += marker.size())
    if (at == 0 || text[at - 1] == '\n') ++n;
  return n;
}

git_merge_file_input input(const std::string& text, const char* label) {
  git_merge_file_input in = GIT_MERGE_FILE_INPUT_INIT;
  in.ptr = text.data();
  in.size = text.size();
  in.path = label;
  return in;
}

// libgit2's functions, from the library loaded at the first merge.
struct Git2 {
  decltype(&git_merge_file) mergeFile = nullptr;
  decltype(&git_merge_file_result_free) freeResult = nullptr;
  decltype(&git_error_last) lastError = nullptr;
  std::string why;  // why it could not be loaded
};

const Git2& git2() {
  static const Git2 loaded = [] {
    Git2 g;
    void* lib = ::dlopen(TW_LIBGIT2, RTLD_NOW | RTLD_LOCAL);
    auto init = lib ? reinterpret_cast<decltype(&git_libgit2_init)>(::dlsym(lib, "git_libgit2_init")) : nullptr;
    if (lib) {
      g.mergeFile = reinterpret_cast<decltype(g.mergeFile)>(::dlsym(lib, "git_merge_file"));
      g.freeResult = reinterpret_cast<decltype(g.freeResult)>(::dlsym(lib, "git_merge_file_result_free"));
      g.lastError = reinterpret_cast<decltype(g.lastError)>(::dlsym(lib, "git_error_last"));
    }
    if (!init || !g.mergeFile || !g.freeResult || !g.lastError) {
      const char* e = ::dlerror();
      g.why = std::string("the merge library ") + TW_LIBGIT2 + " could not be loaded" + (e ? std::string(": ") + e : "");
      g.mergeFile = nullptr;
    } else {
      init();
    }
    return g;
  }();
  return loaded;
}

}  // namespace

MergedText mergeGenerated(const std::string& base, const std::string& edited, const std::string& generated) {
  MergedText out;
  const Git2& git = git2();
  if (!git.mergeFile) {
    out.why = git.why;
    return out;
  }

  // An editor that rewrote every line end would otherwise make every line the user's change.
  const std::string ours = hasCrLf(base) && !hasCrLf(edited) ? withCrLf(edited) : edited;

  git_merge_file_input ancestor = input(base, "base"), mine = input(ours, kYours),
                       theirs = input(generated, kGenerated);
  git_merge_file_options options = GIT_MERGE_FILE_OPTIONS_INIT;
  options.ancestor_label = "base";
  options.our_label = kYours;
  options.their_label = kGenerated;
  // Handlers share their "}" and blank lines: patience matches the unique lines (their names) first,
  // so that a handler deleted above a user's one is not taken for its first line changed.
  options.flags = GIT_MERGE_FILE_STYLE_MERGE | GIT_MERGE_FILE_DIFF_PATIENCE;

  git_merge_file_result result{};
  if (git.mergeFile(&result, &ancestor, &mine, &theirs, &options) != 0) {
    const git_error* e = git.lastError();
    out.why = std::string("the texts could not be merged: ") + (e && e->message ? e->message : "unknown error");
    return out;
  }
  out.ok = true;
  out.text.assign(result.ptr ? result.ptr : "", result.len);
  out.conflicts = result.automergeable ? 0 : countConflicts(out.text);
  if (!result.automergeable && out.conflicts == 0) out.conflicts = 1;
  git.freeResult(&result);
  return out;
}

}  // namespace tw
