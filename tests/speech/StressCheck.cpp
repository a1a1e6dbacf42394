#include "StressCheck.h"

#include <QStringList>

namespace speechtest {

std::set<int> MarkedVowels(QStringView word) {
  static const QString vowels = QStringLiteral(u"аоуыэиеёюя");
  std::set<int> marked;
  int vowel = -1;
  for (qsizetype i = 0; i < word.size(); ++i) {
    if (vowels.contains(word[i].toLower())) ++vowel;
    if (word[i] == u'<' && i > 0 && vowels.contains(word[i - 1].toLower())) marked.insert(vowel);
  }
  return marked;
}

std::set<int> StressedVowels(QStringView phonemes) {
  static const QString vowels = QStringLiteral("aAoOuyEeiIV8@");
  std::set<int> stressed;
  int vowel = 0;
  bool mark = false;
  for (qsizetype i = 0; i < phonemes.size(); ++i) {
    const QChar c = phonemes[i];
    if (c == u'\'') {
      mark = true;
    } else if (vowels.contains(c) &&
               !(c == u'@' && i + 1 < phonemes.size() && phonemes[i + 1] == u'-')) {
      if (mark) stressed.insert(vowel);
      mark = false;
      ++vowel;
    }
  }
  return stressed;
}

std::string StressMismatch::Describe() const {
  if (word.isEmpty()) {
    return '"' + text.toStdString() + "\": the words do not line up with " + spoken.toStdString();
  }
  return '"' + text.toStdString() + "\": " + word.toStdString() + " spoken as " +
         spoken.toStdString();
}

std::vector<StressMismatch> CompareStress(const QString& text, const QString& trace,
                                          StressCount& count) {
  const QStringList written = text.simplified().split(u' ', Qt::SkipEmptyParts);
  const QStringList spoken = trace.simplified().split(u' ', Qt::SkipEmptyParts);
  count.words += static_cast<int>(written.size());
  std::vector<StressMismatch> mismatches;
  const bool lineUp = written.size() == spoken.size();
  bool reported = false;  // a text whose words do not line up is one mismatch
  for (qsizetype w = 0; w < written.size(); ++w) {
    if (!written[w].contains(u'<')) continue;
    ++count.marked;
    if (!lineUp) {
      if (!reported) mismatches.push_back({text, {}, trace.simplified()});
      reported = true;
      continue;
    }
    const std::set<int> marked = MarkedVowels(written[w]);
    if (marked.empty() || StressedVowels(spoken[w]) != marked) {
      mismatches.push_back({text, written[w], spoken[w]});
    }
  }
  return mismatches;
}

}  // namespace speechtest
