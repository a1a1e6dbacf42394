#include "browser/GridDelegate.h"

#include <QAbstractItemView>
#include <QColor>

namespace browser {

GridDelegate::GridDelegate(Qt::Alignment wordAlignment, QObject* parent)
    : QStyledItemDelegate(parent), wordAlignment_(wordAlignment) {}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->displayAlignment =
      (index.column() == 0 ? wordAlignment_ : Qt::AlignHCenter) | Qt::AlignVCenter;
  option->direction = Qt::LeftToRight;
  const auto* view = qobject_cast<const QAbstractItemView*>(option->widget);
  if (view != nullptr && view->currentIndex().row() == index.row() &&
      !(option->state & QStyle::State_Selected)) {
    option->backgroundBrush = QColor(0xd6, 0xe6, 0xf8);
  }
}

}  // namespace browser
