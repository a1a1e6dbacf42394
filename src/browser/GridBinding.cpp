#include "browser/GridBinding.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "app/EventGuard.h"
#include "store/DataSource.h"

namespace browser {

GridBinding::GridBinding(QTableView* grid, store::DataSource& source, app::Dialogs& dialogs,
                         std::function<void()> columnEntered)
    : QObject(grid), grid_(grid), source_(source), columnEntered_(std::move(columnEntered)) {
  // Connected before the grid's selection model exists, so that these run before it moves its
  // current index over rows that come and go.
  for (auto begin :
       {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved}) {
    connect(&source, begin, this, [this] { tableChanging_ = true; });
  }
  for (auto end : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(&source, end, this, [this] { tableChanging_ = false; });
  }
  connect(&source, &QAbstractItemModel::modelAboutToBeReset, this,
          [this] { tableChanging_ = true; });
  connect(&source, &QAbstractItemModel::layoutAboutToBeChanged, this,
          [this] { tableChanging_ = true; });
  connect(&source, &QAbstractItemModel::layoutChanged, this, [this] { tableChanging_ = false; });
  grid->setModel(&source);
  connect(&source, &store::DataSource::CurrentRowChanged, this, &GridBinding::FollowTable);
  // The current row is drawn tinted and marked in the row indicator.
  connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [grid] {
    grid->viewport()->update();
    grid->verticalHeader()->viewport()->update();
  });
  connect(&source, &QAbstractItemModel::modelReset, this, [this] {
    tableChanging_ = false;
    FollowTable(source_.CurrentRow());
  });
  connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          app::Guarded(dialogs, [this](const QModelIndex& current, const QModelIndex& previous) {
            FollowGrid(current, previous);
          }));
  FollowTable(source.CurrentRow());
}

void GridBinding::FollowTable(int row) {
  if (row < 0 || grid_->currentIndex().row() == row) return;
  const QModelIndex index = source_.index(row, std::max(0, grid_->currentIndex().column()));
  // A jump over a large table shows other rows anyway: the viewport is repainted once instead of
  // first scrolling its old picture.
  QWidget* viewport = grid_->viewport();
  viewport->setUpdatesEnabled(false);
  followingTable_ = true;
  grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  followingTable_ = false;
  grid_->scrollTo(index);
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
