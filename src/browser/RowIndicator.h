#pragma once

// The row indicator of a word grid: a narrow vertical header that marks the grid's current row
// (the table's current record) with a triangle.

#include <QHeaderView>

namespace browser {

class RowIndicator : public QHeaderView {
 public:
  explicit RowIndicator(QWidget* parent);

 protected:
  QSize sizeHint() const override;
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace browser
