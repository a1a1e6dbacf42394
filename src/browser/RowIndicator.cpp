#include "browser/RowIndicator.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPolygon>

namespace browser {
namespace {
constexpr int kWidth = 14;
}  // namespace

RowIndicator::RowIndicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
  setSectionResizeMode(QHeaderView::Fixed);
  setSectionsClickable(false);
}

QSize RowIndicator::sizeHint() const { return {kWidth, QHeaderView::sizeHint().height()}; }

void RowIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->save();
  painter->fillRect(rect, palette().button());
  painter->setPen(palette().mid().color());
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  const auto* view = qobject_cast<const QAbstractItemView*>(parentWidget());
  if (view != nullptr && view->currentIndex().row() == logicalIndex) {
    const QPoint centre = rect.center();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(palette().text());
    painter->setPen(Qt::NoPen);
    painter->drawPolygon(
        QPolygon({centre + QPoint(-3, -5), centre + QPoint(3, 0), centre + QPoint(-3, 5)}));
  }
  painter->restore();
}

}  // namespace browser
