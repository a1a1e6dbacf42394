#pragma once

// The data tool's commands, run on the dictionary of a working folder. Each command opens the data
// module on its own and closes it before it returns, so the dictionary on disk is complete
// afterwards.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace datatool {

// Exit statuses of the tool.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;  // the command could not be done, or `check` found problems
inline constexpr int kUsage = 2;   // the command line is not understood

// Runs the command line `arguments` (without the program name) in `workingDirectory`: messages
// go to `out`, errors to `err`. Returns the exit status. Never throws for a failure of the command:
// its text is written to `err`.
int RunCommand(const std::vector<std::string>& arguments,
               const std::filesystem::path& workingDirectory, std::ostream& out, std::ostream& err);

}  // namespace datatool
