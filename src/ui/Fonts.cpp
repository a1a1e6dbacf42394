#include "ui/Fonts.h"

#include <QStringList>

namespace ui {

QFont WordFont(int pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("TRIVEL New"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(pointSize);
  return font;
}

}  // namespace ui
