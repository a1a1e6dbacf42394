#pragma once

// Keeps a grid's current row and its table's current record together: when the table's cursor
// moves the grid follows, and when the user moves in the grid the table follows. Moves of the
// grid that the table itself causes (following its cursor, or rows coming and going while it
// posts, deletes or re-filters) never call back into the table, which may be in the middle of
// an operation.
//
// The grid follows the table at most once per turn of the event loop, and only while it is
// visible: a loop that moves the cursor over many records costs the grid one move at the end,
// and a hidden grid catches up when it is shown. Code that reads the grid's current index right
// after moving the table must let the event loop run first.

#include <QObject>
#include <functional>

class QModelIndex;
class QTableView;

namespace ui {
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
  GridBinding(QTableView* grid, store::DataSource& source, ui::Dialogs& dialogs,
              std::function<void()> columnEntered);

  // The binding of `grid`, or nullptr when it has none.
  static GridBinding* Of(const QTableView* grid);

  // At the next following, the table's current row is scrolled to the top of the grid (so the
  // rows after it show), also when it is already in view.
  void ShowCurrentAtTop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ScheduleFollow();
  void FollowTable();
  void FollowGrid(const QModelIndex& current, const QModelIndex& previous);

  QTableView* grid_;
  store::DataSource& source_;
  std::function<void()> columnEntered_;
  bool followPending_ = false;   // a following is queued
  bool atTop_ = false;           // the next following scrolls the row to the top
  bool followingTable_ = false;  // the grid is being moved to the table's current row
  bool tableChanging_ = false;   // the table is adding, removing or reordering rows
};

}  // namespace browser
