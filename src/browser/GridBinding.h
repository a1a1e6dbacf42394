#pragma once

// Keeps a grid's current row and its table's current record together: when the table's cursor
// moves the grid follows, and when the user moves in the grid the table follows. Moves of the
// grid that the table itself causes (following its cursor, or rows coming and going while it
// posts, deletes or re-filters) never call back into the table, which may be in the middle of
// an operation.

#include <QObject>
#include <functional>

class QModelIndex;
class QTableView;

namespace app {
class Dialogs;
}

namespace store {
class DataSource;
}

namespace browser {

class GridBinding : public QObject {
  Q_OBJECT

 public:
  // Shows `source` in `grid`. `columnEntered`, when set, runs when the user moves to another
  // column. Errors of the table are shown through `dialogs`.
  GridBinding(QTableView* grid, store::DataSource& source, app::Dialogs& dialogs,
              std::function<void()> columnEntered);

 private:
  void FollowTable(int row);
  void FollowGrid(const QModelIndex& current, const QModelIndex& previous);

  QTableView* grid_;
  store::DataSource& source_;
  std::function<void()> columnEntered_;
  bool followingTable_ = false;  // the grid is being moved to the table's current row
  bool tableChanging_ = false;   // the table is adding, removing or reordering rows
};

}  // namespace browser
