#include "ui/Icons.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace ui {
namespace {

QPixmap DrawGlyph(const QString& glyph, const QColor& background, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(background);
  painter.setPen(background.darker(140));
  painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
  QFont font;
  font.setBold(true);
  font.setPixelSize(size * 5 / 8);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
  return pixmap;
}

}  // namespace

QIcon ToolIcon(const QString& themeName, const QString& glyph) {
  if (QIcon::hasThemeIcon(themeName)) return QIcon::fromTheme(themeName);
  QIcon icon;
  for (int size : {16, 24, 32}) icon.addPixmap(DrawGlyph(glyph, QColor(0x3a, 0x6e, 0xa5), size));
  return icon;
}

QIcon BuiltInIcon() {
  QIcon icon;
  for (int size : {16, 32, 48})
    icon.addPixmap(DrawGlyph(QStringLiteral("V"), QColor(0x2e, 0x7d, 0x32), size));
  return icon;
}

QIcon ApplicationIcon(const QString& workingDirectory) {
  const QString path = QDir(workingDirectory).filePath(QStringLiteral("mine.ico"));
  if (QFileInfo(path).isReadable()) {
    QIcon icon(path);
    if (!icon.availableSizes().isEmpty() || !icon.pixmap(32).isNull()) return icon;
  }
  return BuiltInIcon();
}

}  // namespace ui
