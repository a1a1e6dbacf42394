// How the grids follow their tables: a walk over a bound table costs the grid nothing, the grid
// catches up once per turn of the event loop, a found word shows at the top, and a new record
// takes the row marker.

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>

#include "MainWindowFixture.h"
#include "store/PartCounts.h"

namespace {

constexpr int kMeanings = 120;

class GridFollowTest : public test::MainWindowFixture {
 protected:
  // Russian words "СЛОВО000" ... in alphabetical order, English "WORD000" ..., Hebrew letters.
  void SetUp() override {
    MainWindowFixture::SetUp();
    for (int i = 0; i < kMeanings; ++i) {
      const QString number = QString::number(i).rightJustified(3, u'0');
      test::AddMeaning(workspace.Data(), {.ru = QString::fromUtf8("СЛОВО") + number,
                                          .he = QString::fromUtf8("ש") + number,
                                          .en = QStringLiteral("WORD") + number,
                                          .part = i % 6});
    }
    Window();
  }

  static void Settle() { QApplication::processEvents(); }

  // Whether the grid shows `row` whole or in part.
  static bool InView(QTableView* grid, int row) {
    const int first = grid->rowAt(0);
    int last = grid->rowAt(grid->viewport()->height() - 1);
    if (last < 0) last = grid->model()->rowCount() - 1;
    return first <= row && row <= last;
  }
};

TEST_F(GridFollowTest, CountingABoundTableMovesNeitherTheGridNorItsScroll) {
  window->PageControl1->setCurrentWidget(window->SheetHE);
  QTableView* grid = window->DBGrid2;
  HE().MoveToRow(kMeanings / 2);
  Settle();
  ASSERT_EQ(grid->currentIndex().row(), kMeanings / 2);
  const int scroll = grid->verticalScrollBar()->value();
  QSignalSpy scrolled(grid->verticalScrollBar(), &QScrollBar::valueChanged);
  QSignalSpy moved(grid->selectionModel(), &QItemSelectionModel::currentChanged);

  const store::PartCounts counts = store::CountParts(HE());
  Settle();

  EXPECT_EQ(counts.All, kMeanings);
  EXPECT_EQ(counts.ByPart[1], kMeanings / 6);
  EXPECT_EQ(HE().CurrentRow(), kMeanings / 2);
  EXPECT_EQ(grid->currentIndex().row(), kMeanings / 2);
  EXPECT_EQ(grid->verticalScrollBar()->value(), scroll);
  EXPECT_EQ(scrolled.count(), 0);
  EXPECT_EQ(moved.count(), 0);
}

TEST_F(GridFollowTest, ACursorWalkMovesTheVisibleGridOnceAndAHiddenOneWhenShown) {
  QTableView* russian = window->DBGrid3;
  QTableView* hebrew = window->DBGrid2;  // on a page not shown
  RU().First();
  HE().First();
  Settle();
  QSignalSpy russianMoves(russian->selectionModel(), &QItemSelectionModel::currentChanged);
  QSignalSpy hebrewMoves(hebrew->selectionModel(), &QItemSelectionModel::currentChanged);
  for (store::Table* table : {&RU(), &HE()}) {
    for (table->First(); !table->Eof(); table->Next()) {
    }
  }
  Settle();
  EXPECT_EQ(russianMoves.count(), 1);
  EXPECT_EQ(russian->currentIndex().row(), kMeanings - 1);
  EXPECT_TRUE(InView(russian, kMeanings - 1));
  EXPECT_EQ(hebrewMoves.count(), 0);

  window->PageControl1->setCurrentWidget(window->SheetHE);
  EXPECT_EQ(hebrew->currentIndex().row(), kMeanings - 1) << "caught up before it is painted";
  EXPECT_TRUE(InView(hebrew, kMeanings - 1));
}

TEST_F(GridFollowTest, AFoundWordIsScrolledToTheTopOfItsGrid) {
  QTableView* grid = window->DBGrid3;
  window->Edit3->setText(QString::fromUtf8("СЛОВО06"));
  Settle();
  ASSERT_EQ(RU().CurrentRow(), 60);
  EXPECT_EQ(grid->currentIndex().row(), 60);
  EXPECT_EQ(grid->rowAt(0), 60) << "the words after it are shown";

  // Also when the found word is already in view.
  grid->scrollToTop();
  window->Edit3->setText(QString::fromUtf8("СЛОВО003"));
  Settle();
  EXPECT_EQ(grid->rowAt(0), 3);
}

TEST_F(GridFollowTest, ANewRecordTakesTheRowMarkerAndIsScrolledIntoView) {
  QTableView* grid = window->DBGrid3;
  window->Edit3->setText(QString::fromUtf8("СЛОВО11"));
  Settle();
  ASSERT_FALSE(InView(grid, 0));

  // What "Add word" does to each word table: an empty record posted and put into edit state.
  RU().Insert();
  RU().Post();
  RU().Edit();
  Settle();
  ASSERT_EQ(RU().CurrentRow(), 0) << "an empty word sorts first";
  EXPECT_EQ(grid->currentIndex().row(), 0);
  EXPECT_TRUE(InView(grid, 0));
}

}  // namespace
