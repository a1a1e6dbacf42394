#pragma once

// Draws the cells of a word grid: the word column with the given alignment, the mark column
// centred, and the row of the table's current record (the grid's current index) tinted, so it is
// always visible, whether or not it is among the selected rows.

#include <QStyledItemDelegate>

namespace browser {

class GridDelegate : public QStyledItemDelegate {
 public:
  GridDelegate(Qt::Alignment wordAlignment, QObject* parent);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  Qt::Alignment wordAlignment_;
};

}  // namespace browser
