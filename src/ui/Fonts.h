#pragma once

// The font of all word text: "TRIVEL New" where it is installed, otherwise a font with Hebrew
// and Cyrillic letters.

#include <QFont>

namespace ui {

QFont WordFont(int pointSize = 11);

}  // namespace ui
