#pragma once

// The data tool's "conjugate" command: the forms of a Hebrew verb from the conjugation engine,
// for checking and for scripts. It needs no dictionary.

#include <iosfwd>
#include <string>

namespace datatool {

// Prints the 28 forms of the verb of `root` (UTF-8, reading order) in `pattern` (a pattern name,
// any case), one line per form: the form's field name, the spelling in reading order and the
// pronunciation hint, UTF-8, separated by tabs; a form the pattern lacks has empty columns.
// Returns kOk, or kFailed with the reason on `err` for an unknown pattern or a root the engine
// refuses.
int PrintConjugation(const std::string& root, const std::string& pattern, std::ostream& out,
                     std::ostream& err);

}  // namespace datatool
