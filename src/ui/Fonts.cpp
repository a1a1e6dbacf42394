#include "ui/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <QStringList>

namespace ui {

QFont WordFont(int pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("TRIVEL New"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(pointSize);
  return font;
}

// fontconfig keeps one current configuration per process and makes it once, whichever thread
// asks first; the toolkit's font database asks for the same one later.
FontConfigurationReader::FontConfigurationReader() : thread_([] { FcInit(); }) {}

FontConfigurationReader::~FontConfigurationReader() { thread_.join(); }

}  // namespace ui
