#pragma once

// The refusal of the conjugation engine: the root cannot be conjugated in the pattern asked for
// (not a root, or a kind of root the engine does not cover). The text says why, for the user.

#include <stdexcept>
#include <string>

namespace conjugation {

class NotCovered : public std::runtime_error {
 public:
  explicit NotCovered(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace conjugation
