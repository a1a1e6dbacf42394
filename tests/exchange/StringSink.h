#pragma once

#include <string>
#include <string_view>

#include "exchange/OutputFile.h"

namespace exchange {

// Collects the bytes written to it, for checking a layout without a file.
class StringSink final : public ByteSink {
 public:
  void WriteText(std::string_view text) override { Bytes.append(text); }
  std::string Bytes;
};

}  // namespace exchange
