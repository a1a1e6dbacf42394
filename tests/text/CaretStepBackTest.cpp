#include <gtest/gtest.h>

#include <Qt>

#include "text/CaretStepBack.h"
#include "text/Codepage.h"
#include "text/InvertText.h"
#include "text/KeyBox.h"
#include "text/KeyMap.h"

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

// Types the key characters one after another into a Hebrew word box.
BoxText TypeKeys(const QString& keys) {
  BoxText box;
  for (const QChar key : keys) {
    box = TypeInDisplayOrder(box.text, box.caret, TypeKey(KeyBox::DBMemo1, kHebrew, key));
  }
  return box;
}

TEST(CaretStepBack, TypedWordIsHeldInDisplayOrder) {
  for (const QString& keys : {QString("tcv"), QString::fromUtf8("есм")}) {
    const BoxText box = TypeKeys(keys);
    const std::string bytes = FromUnicode(box.text, Codepage::Win1255);
    EXPECT_EQ(bytes, "\xE4\xE1\xE0");
    EXPECT_EQ(InvertText(bytes), "\xE0\xE1\xE4");
    EXPECT_EQ(box.caret, 0);
  }
}

TEST(CaretStepBack, DroppedKeyStillStepsBack) {
  const BoxText box = TypeInDisplayOrder(u"\u05D0\u05D1", 2, std::nullopt);
  EXPECT_EQ(box, (BoxText{QStringLiteral("\u05D0\u05D1"), 1}));
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
    EXPECT_EQ(TypeInDisplayOrder(c.text, c.caret, QChar(u'\b')), c.expected)
        << c.text.toStdString() << " caret " << c.caret;
  }
}

TEST(CaretStepBack, BackspaceAfterTypingRemovesTheLastLetter) {
  BoxText box = TypeKeys(QStringLiteral("tcv"));
  box = TypeInDisplayOrder(box.text, box.caret, QChar(u'\b'));
  EXPECT_EQ(FromUnicode(box.text, Codepage::Win1255), "\xE1\xE0");
  EXPECT_EQ(box.caret, 0);
}

TEST(CaretStepBack, TypingInsertsAtTheCaretOfALaterLine) {
  EXPECT_EQ(TypeInDisplayOrder(u"ab\n", 3, QChar(u'x')), (BoxText{"ab\nx", 3}));
  EXPECT_EQ(TypeInDisplayOrder(u"ab\ncd", 4, QChar(u'x')), (BoxText{"ab\ncxd", 4}));
}

}  // namespace
}  // namespace text
