#pragma once

// The font of all word text: "TRIVEL New" where it is installed, otherwise a font with Hebrew
// and Cyrillic letters.

#include <QFont>
#include <thread>

namespace ui {

QFont WordFont(int pointSize = 11);

// Reads the system's font configuration and font caches on a thread of its own, so that the first
// window that measures text finds them loaded instead of reading them itself. Made before the
// application object, it works while the toolkit connects to the display. The destructor waits
// for the reading to end. What fonts are found and chosen does not change.
class FontConfigurationReader {
 public:
  FontConfigurationReader();
  ~FontConfigurationReader();
  FontConfigurationReader(const FontConfigurationReader&) = delete;
  FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

 private:
  std::thread thread_;
};

}  // namespace ui
