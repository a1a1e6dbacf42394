#include "ui/CodepageValidator.h"

#include <QStringList>
#include <QTimer>
#include <utility>

#include "ui/Dialogs.h"
#include "ui/DisplayOrder.h"

namespace ui {
namespace {

QString TextName(BoxText text) {
  switch (text) {
    case BoxText::Russian:
      return QStringLiteral("Russian text");
    case BoxText::Hebrew:
      return QStringLiteral("Hebrew text");
    case BoxText::English:
      break;
  }
  return QStringLiteral("English text");
}

// The length of the character at `i`: two for a surrogate pair, else one.
int CharacterLength(const QString& text, int i) {
  return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace

CodepageValidator::CodepageValidator(text::Codepage codepage, QString textName, QString kept,
                                     Dialogs& dialogs, QObject* parent)
    : QValidator(parent),
      codepage_(codepage),
      textName_(std::move(textName)),
      kept_(std::move(kept)),
      dialogs_(dialogs) {}

QValidator::State CodepageValidator::validate(QString& input, int& pos) const {
  QString storable;
  QStringList leftOut;
  int caret = 0;
  for (int i = 0; i < input.size();) {
    const int length = CharacterLength(input, i);
    const QString character = input.mid(i, length);
    if (length == 1 &&
        (kept_.contains(character) || text::UnicodeToByte(character[0].unicode(), codepage_))) {
      if (i < pos) ++caret;
      storable += character;
    } else if (!leftOut.contains(character)) {
      leftOut += character;
    }
    i += length;
  }
  if (leftOut.isEmpty()) return Acceptable;
  input = storable;
  pos = caret;
  const QString message = QStringLiteral("Characters that %1 cannot hold were left out: %2")
                              .arg(textName_, leftOut.join(QLatin1Char(' ')));
  QTimer::singleShot(0, this, [&dialogs = dialogs_, message] { dialogs.Message(message); });
  return Acceptable;
}

void TakeOnly(text::Codepage codepage, BoxText text, QLineEdit* box, Dialogs& dialogs) {
  const bool ordered = qobject_cast<DisplayOrderEdit*>(box) != nullptr;
  box->setValidator(new CodepageValidator(codepage, TextName(text),
                                          ordered ? kStoredOrderPrefix : QString(), dialogs, box));
}

}  // namespace ui
