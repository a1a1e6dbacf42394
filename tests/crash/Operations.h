#pragma once

// The writing operations of the program's windows that the crash campaign interrupts, each run
// through the real handler of the real window on a program started as app::Startup starts it.
//
// An operation has two steps: Prepare brings the windows to where a user would stand before the
// command (an open editor with the forms filled in, a game entry typed up to its last letter) and
// writes nothing to the dictionary; Run is the command itself. A kill after Prepare and before
// Run ends must leave the dictionary as it was before or as Run leaves it.

#include <functional>
#include <string_view>
#include <vector>

#include "ui/Instances.h"

namespace test {
class ScriptedDialogs;
}

namespace crash {

struct Operation {
  std::string_view Name;
  // The handler that Run goes through, for the usage text and the campaign's report.
  std::string_view Handler;
  std::function<void(Instances&, test::ScriptedDialogs&)> Prepare;
  std::function<void(Instances&, test::ScriptedDialogs&)> Run;
};

const std::vector<Operation>& Operations();
// The operation named `name`, or nullptr.
const Operation* FindOperation(std::string_view name);

}  // namespace crash
