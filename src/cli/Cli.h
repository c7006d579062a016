#pragma once
// The headless subcommands: the same core calls as the designer, for scripts and build pipelines.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tw {

// Exit statuses of every subcommand.
enum ExitCode { kExitOk = 0, kExitUsage = 1, kExitBadInput = 2, kExitRefused = 3, kExitProblems = 4 };

// True when the arguments ask for a subcommand (or --help/--version) rather than the designer. A first
// word that is neither a command nor a file for the designer (FILE.twp, FILE.twk or an existing file)
// is a mistyped command: it is reported as one, not opened.
bool isCliInvocation(const std::vector<std::string>& args);

// Whether the designer has somewhere to show its window: a display, or a platform chosen explicitly.
bool designerHasDisplay(const std::vector<std::string>& args);
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What both programs do before the designer: run the command asked for, or refuse a designer with no
// display to show it on (the window system's start would abort the process). Empty: start the designer.
std::optional<int> runUnlessDesigner(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tw
