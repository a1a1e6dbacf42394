#pragma once

#include <functional>

namespace exchange {

// Told now and then how many units of a long export or import are done and how many there are in
// all (for an import: as many as the document's "</Unit>" tags). Returns false to cancel. An empty
// function is never called.
using Progress = std::function<bool(int done, int total)>;

}  // namespace exchange
