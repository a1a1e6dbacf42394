#pragma once

// What the program does with its command line before any window exists. Vocamir takes no
// arguments of its own but the two every program answers: "--help" (or "-h") and "--version",
// which print to standard output and end the program without needing a display.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace app {

// The version printed by "--version", the project's own.
std::string VersionText();

// Answers "--help"/"-h" and "--version" on `out`, and returns the exit status the program must end
// with; returns nothing when the program is to start. Other arguments are left for the toolkit
// (which takes its own options, such as "-platform") and judged by RejectLeftovers.
std::optional<int> AnswerCommandLine(const std::vector<std::string>& arguments, std::ostream& out);

// Arguments the toolkit did not take: each is reported on `err` with the usage, and the status 2
// returned; 0 when none is left.
int RejectLeftovers(const std::vector<std::string>& leftovers, std::ostream& err);

}  // namespace app
