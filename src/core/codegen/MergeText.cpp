#include "MergeText.h"

#include <git2.h>

#include <mutex>

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

}  // namespace

MergedText mergeGenerated(const std::string& base, const std::string& edited, const std::string& generated) {
  static std::once_flag started;
  std::call_once(started, [] { git_libgit2_init(); });

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

  MergedText out;
  git_merge_file_result result{};
  if (git_merge_file(&result, &ancestor, &mine, &theirs, &options) != 0) {
    const git_error* e = git_error_last();
    out.why = std::string("the texts could not be merged: ") + (e && e->message ? e->message : "unknown error");
    return out;
  }
  out.ok = true;
  out.text.assign(result.ptr ? result.ptr : "", result.len);
  out.conflicts = result.automergeable ? 0 : countConflicts(out.text);
  if (!result.automergeable && out.conflicts == 0) out.conflicts = 1;
  git_merge_file_result_free(&result);
  return out;
}

}  // namespace tw
