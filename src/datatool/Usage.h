#pragma once

// The data tool's help texts: the usage of the whole tool and the help of each command.

#include <optional>
#include <string>

namespace datatool {

// The usage of the tool: one line per command.
std::string UsageText();

// The help of `command` (its synopsis and what it does); nothing for an unknown command.
std::optional<std::string> CommandHelp(const std::string& command);

// "vocamir-data" and the program's version.
std::string VersionText();

}  // namespace datatool
