#include "browser/GridBinding.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <utility>

#include "store/DataSource.h"
#include "ui/EventGuard.h"

namespace browser {

GridBinding::GridBinding(QTableView* grid, store::DataSource& source, ui::Dialogs& dialogs,
                         std::function<void()> columnEntered)
    : QObject(grid), grid_(grid), source_(source), columnEntered_(std::move(columnEntered)) {
  // Connected before the grid's selection model exists, so that these run before it moves its
  // current index over rows that come and go.
  for (auto begin :
       {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved}) {
    connect(&source, begin, this, [this] { tableChanging_ = true; });
  }
  for (auto end : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(&source, end, this, [this] {
      tableChanging_ = false;
      // The grid's current index has shifted with the rows; the table's record may not have.
      ScheduleFollow();
    });
  }
  connect(&source, &QAbstractItemModel::modelAboutToBeReset, this,
          [this] { tableChanging_ = true; });
  connect(&source, &QAbstractItemModel::layoutAboutToBeChanged, this,
          [this] { tableChanging_ = true; });
  connect(&source, &QAbstractItemModel::layoutChanged, this, [this] { tableChanging_ = false; });
  grid->setModel(&source);
  connect(&source, &store::DataSource::CurrentRowChanged, this, &GridBinding::ScheduleFollow);
  // The current row is drawn tinted and marked in the row indicator.
  connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [grid] {
    grid->viewport()->update();
    grid->verticalHeader()->viewport()->update();
  });
  connect(&source, &QAbstractItemModel::modelReset, this, [this] {
    tableChanging_ = false;
    ScheduleFollow();
  });
  connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          ui::Guarded(dialogs, [this](const QModelIndex& current, const QModelIndex& previous) {
            FollowGrid(current, previous);
          }));
  grid->installEventFilter(this);
  FollowTable();
}

GridBinding* GridBinding::Of(const QTableView* grid) {
  return grid->findChild<GridBinding*>(QString(), Qt::FindDirectChildrenOnly);
}

void GridBinding::ShowCurrentAtTop() {
  atTop_ = true;
  ScheduleFollow();
}

// A grid being shown catches up with its table before it paints.
bool GridBinding::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::Show) FollowTable();
  return QObject::eventFilter(watched, event);
}

void GridBinding::ScheduleFollow() {
  if (followPending_) return;
  followPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        followPending_ = false;
        FollowTable();
      },
      Qt::QueuedConnection);
}

void GridBinding::FollowTable() {
  if (!grid_->isVisible()) return;
  const int row = source_.CurrentRow();
  const bool atTop = std::exchange(atTop_, false);
  if (row < 0) return;
  const QModelIndex index = source_.index(row, std::max(0, grid_->currentIndex().column()));
  if (grid_->currentIndex().row() == row) {
    if (atTop) grid_->scrollTo(index, QAbstractItemView::PositionAtTop);
    return;
  }
  // A jump over a large table shows other rows anyway: the viewport is repainted once instead of
  // first scrolling its old picture.
  QWidget* viewport = grid_->viewport();
  viewport->setUpdatesEnabled(false);
  followingTable_ = true;
  grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  followingTable_ = false;
  grid_->scrollTo(index,
                  atTop ? QAbstractItemView::PositionAtTop : QAbstractItemView::EnsureVisible);
  viewport->setUpdatesEnabled(true);
}

void GridBinding::FollowGrid(const QModelIndex& current, const QModelIndex& previous) {
  if (followingTable_ || tableChanging_ || !current.isValid()) return;
  if (current.row() != source_.CurrentRow()) source_.SetCurrentRow(current.row());
  if (columnEntered_ && previous.isValid() && current.column() != previous.column()) {
    columnEntered_();
  }
}

}  // namespace browser
