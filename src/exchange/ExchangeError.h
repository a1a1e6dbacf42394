#pragma once

#include <stdexcept>
#include <string>

namespace exchange {

// A failure of an export or import whose text is shown to the user as it stands (a file that
// cannot be created, written or read; a code in a document that is not a number).
class ExchangeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace exchange
