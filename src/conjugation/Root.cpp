#include "conjugation/Root.h"

#include "conjugation/NotCovered.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace conjugation {
namespace {

constexpr char16_t kShinDot = 0x05C1;
constexpr char16_t kSinDot = 0x05C2;

bool IsLetter(QChar c) { return c.unicode() >= 0x05D0 && c.unicode() <= 0x05EA; }

}  // namespace

bool IsGuttural(QChar letter) { return QStringView(u"אהחע").contains(letter); }

QChar OrdinaryForm(QChar letter) {
  constexpr std::u16string_view kFinal = u"ךםןףץ";
  constexpr std::u16string_view kOrdinary = u"כמנפצ";
  const auto at = kFinal.find(letter.unicode());
  return at == std::u16string_view::npos ? letter : QChar(kOrdinary[at]);
}

QChar FinalForm(QChar letter) {
  constexpr std::u16string_view kOrdinary = u"כמנפצ";
  constexpr std::u16string_view kFinal = u"ךםןףץ";
  const auto at = kOrdinary.find(letter.unicode());
  return at == std::u16string_view::npos ? letter : QChar(kFinal[at]);
}

Root ParseStoredRoot(std::string_view storedRoot) {
  const QString reading = text::ToUnicode(text::InvertText(storedRoot), text::Codepage::Win1255);
  Root root;
  bool sinPending = false;
  for (const QChar c : reading) {
    if (c == u' ' || c == kShinDot) continue;
    if (c == kSinDot) {
      // The point stands next to its letter; in reading order after it, in display order before.
      if (root.Size() > 0 && root.Letters.back() == u'ש') {
        root.Sin[root.Size() - 1] = true;
      } else {
        sinPending = true;
      }
      continue;
    }
    if (!IsLetter(c)) {
      throw NotCovered("The root may hold only Hebrew letters.");
    }
    if (root.Size() == 4) throw NotCovered("A root has three or four letters.");
    root.Letters += OrdinaryForm(c);
    if (sinPending && c == u'ש') root.Sin[root.Size() - 1] = true;
    sinPending = false;
  }
  if (root.Size() < 3) throw NotCovered("A root has three or four letters.");
  return root;
}

}  // namespace conjugation
