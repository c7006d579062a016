// The command line as scripts use it: sessions of tests/data/golden/files-cli.txt, each in a fresh folder.
#include <gtest/gtest.h>

#include "TestFiles.h"

using namespace tw;

namespace {

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
}

}  // namespace

// A block is a shell session: each line "$ COMMAND" runs in the block's folder (named DIR in what it prints),
// with $TW the command line program, $EX the examples and $DATA the test data; what it printed follows, then
// "[exit N]" when it failed. Lines starting with "# " are comments; there are no blank lines.
struct Shell {
  TempDir dir;
  std::string run(const std::string& line) {
    CmdResult r = runCommand("(cd '" + dir.path + "' || exit 99; export LC_ALL=C TW='" TW_EXE "' EX='" TW_EXAMPLES_DIR
                             "' DATA='" TW_TESTDATA_DIR "'\n" + line.substr(2) + "\n)");
    for (auto [from, to] : {std::pair<std::string, std::string>{dir.path, "DIR"}, {TW_EXE, "$TW"},
                            {TW_EXAMPLES_DIR, "$EX"}, {TW_TESTDATA_DIR, "$DATA"}})
      replaceAll(r.output, from, to);
    if (!r.output.empty() && r.output.back() != '\n') r.output += "\n[no line break at the end]\n";
    return r.output + (r.status ? "[exit " + std::to_string(r.status) + "]\n" : "");
  }
};

TEST(Cli, SessionsPrintAndWriteWhatTheyAlwaysHave) {
  expectSessions<Shell>("files-cli.txt", [](const std::string& line) {
    return line.rfind("$ ", 0) != 0 && line.rfind("# ", 0) != 0;
  });
}
