// Any bytes as the note of a run that crashed: the next start lists it, words its question and
// reads back the forms it names. The copy beside it is a small form; nothing outside the scratch
// folder is ever read or removed.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/FileIO.h"
#include "model/FormDocument.h"
#include "model/Recovery.h"

namespace {

const std::string& root() {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/twfuzzrecovery.XXXXXX";
    return std::string(::mkdtemp(tmpl));
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string folder = root() + "/run";
  ::mkdir(folder.c_str(), 0700);
  tw::writeFileAtomic(folder + "/lock", "");
  tw::writeFileAtomic(folder + "/form0.twk",
                      "[FORM]\r\nName=A\r\nLib=2\r\n[B1]\r\nControl=Button\r\nName=B1\r\n");
  tw::writeFileAtomic(folder + "/session.ini", std::string(reinterpret_cast<const char*>(data), size));
  for (const auto& s : tw::leftoverSessions(root())) {
    (void)tw::restoreQuestion(s);
    for (const auto& f : s.forms) {
      if (f.copy.empty()) continue;  // the user's own file: not the fuzzer's to read
      std::string why;
      std::vector<std::string> messages;
      (void)tw::readRecoveredForm(f, s.library, tw::kWhite, &why, &messages);
    }
  }
  (void)tw::FileStamp::fromText("x", std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
