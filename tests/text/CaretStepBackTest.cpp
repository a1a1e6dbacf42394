#include <gtest/gtest.h>

#include <Qt>

#include "text/CaretStepBack.h"

namespace text {
namespace {

struct StepCase {
  QString text;
  qsizetype caret;
  int key;
  qsizetype expected;
};

const StepCase kSteps[] = {
    {"abc", 2, Qt::Key_A, 1},
    {"abc", 3, Qt::Key_Shift, 2},  // a modifier release steps back too
    {"abc", 1, Qt::Key_Space, 0},
    {"abc", 0, Qt::Key_A, 0},     // start of the text
    {"ab\ncd", 3, Qt::Key_A, 3},  // start of the second line
    {"ab\ncd", 4, Qt::Key_A, 3},
    {"abc", 2, Qt::Key_Backspace, 2},
    {"abc", 2, Qt::Key_Delete, 2},
    {"abc", 2, Qt::Key_Left, 2},
    {"abc", 2, Qt::Key_Right, 2},
    {"abc", 2, Qt::Key_Up, 2},
    {"abc", 2, Qt::Key_Down, 2},
    {"abc", 9, Qt::Key_A, 2},  // clamped to the end first
    {"abc", -4, Qt::Key_A, 0},
    {"", 0, Qt::Key_A, 0},
};

TEST(CaretStepBack, KeyReleaseMovesTheCaretLeftOnItsLine) {
  for (const StepCase& c : kSteps) {
    EXPECT_EQ(StepBackCaret(c.text, c.caret, c.key), c.expected)
        << c.text.toStdString() << " caret " << c.caret << " key " << c.key;
  }
}

struct EraseCase {
  QString text;
  qsizetype caret;
  BoxText expected;
};

TEST(CaretStepBack, BackspaceErasesTheLetterTypedLastRightOfTheCaret) {
  const EraseCase cases[] = {
      {"abc", 0, {"bc", 0}},
      {"abc", 2, {"ab", 2}},
      {"abc", 3, {"abc", 3}},        // nothing right of the caret
      {"ab\ncd", 2, {"ab\ncd", 2}},  // end of the first line
      {"ab\ncd", 3, {"ab\nd", 3}},
      {"abc", 7, {"abc", 3}},
      {"", 0, {"", 0}},
  };
  for (const EraseCase& c : cases) {
    EXPECT_EQ(EraseTypedLast(c.text, c.caret), c.expected)
        << c.text.toStdString() << " caret " << c.caret;
  }
}

}  // namespace
}  // namespace text
