// FormPaint: the main window lays out its controls and child windows from its own size. The
// sizes that depend on the window follow browser::ComputeMainLayout; the rows are stacked from
// the top (tool bars, filter strip, pages) and the status bar sits at the bottom.

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <algorithm>

#include "app/Find.h"
#include "browser/MainLayout.h"
#include "ui/DisplayOrder.h"
#include "ui/PanelStatusBar.h"

namespace {

constexpr int kToolRowHeight = 34;
constexpr int kFilterStripHeight = 6;
constexpr int kPagesTop = kToolRowHeight + kFilterStripHeight;
constexpr int kStatusBarHeight = 24;
constexpr int kPageMargin = 8;
constexpr int kSearchTop = 6;
constexpr int kSearchHeight = 26;
constexpr int kGridTop = kSearchTop + kSearchHeight + 6;
constexpr int kHebrewBoxGap = 6;
constexpr int kMinMarkColumnWidth = 24;

void PlaceInRow(QWidget* widget, int left, int width) {
  const int height = widget->sizeHint().height();
  widget->setGeometry(left, (kToolRowHeight - height) / 2, width, height);
}

}  // namespace

void TFormSelect::FormPaint() {
  const browser::MainLayout layout = browser::ComputeMainLayout(width(), height());
  const int clientHeight = centralWidget()->height();

  Menu1->setGeometry(0, 0, Menu1->sizeHint().width(), kToolRowHeight);
  MenuSound->setGeometry(Menu1->width(), 0, layout.soundBarWidth, kToolRowHeight);
  for (QToolBar* bar : {Menu2, Menu3, Menu5}) {
    bar->setGeometry(0, 0, layout.modeBarWidth, kToolRowHeight);
  }
  PlaceInRow(CBTheme, layout.themeLeft, layout.deselectLeft - layout.themeLeft - 8);
  PlaceInRow(BitBtn1, layout.deselectLeft, 90);
  CBTheme->raise();
  BitBtn1->raise();
  ToolBarFilter->setGeometry(0, kToolRowHeight, width(), kFilterStripHeight);

  PageControl1->setGeometry(2, kPagesTop, layout.pageControlWidth, layout.pageControlHeight);
  ClientArea->setGeometry(0, kPagesTop, width(),
                          std::max(0, clientHeight - kPagesTop - kStatusBarHeight));
  for (QWidget* child : ClientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const browser::Rect& r = layout.childWindow;
    child->setGeometry(r.left, r.top, r.width, r.height);
  }
  PageControl1->raise();

  Edit3->setGeometry(kPageMargin, kSearchTop, layout.searchWidth, kSearchHeight);
  Edit1->setGeometry(kPageMargin, kSearchTop, layout.searchWidth, kSearchHeight);
  const int memo1Left = kPageMargin + layout.searchWidth - layout.hebrewWordWidth;
  Memo1->setGeometry(memo1Left, kSearchTop, layout.hebrewWordWidth, kSearchHeight);
  Memo2->setGeometry(kPageMargin, kSearchTop, std::max(0, memo1Left - kPageMargin - kHebrewBoxGap),
                     kSearchHeight);
  for (QTableView* grid : {DBGrid3, DBGrid2, DBGrid1}) {
    grid->setGeometry(kPageMargin, kGridTop, layout.gridWidth, layout.gridHeight);
    grid->setColumnWidth(0, layout.wordColumnWidth);
    const int rest = grid->width() - 2 * grid->frameWidth() -
                     grid->verticalHeader()->sizeHint().width() -
                     grid->verticalScrollBar()->sizeHint().width() - layout.wordColumnWidth;
    grid->setColumnWidth(1, std::max(kMinMarkColumnWidth, rest));
  }

  StatusBar->setGeometry(0, clientHeight - kStatusBarHeight, width(), kStatusBarHeight);
  StatusBar->LayOutPanels();
}

void TFormSelect::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormPaint();
}

void TFormSelect::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FormPaint();
}
