// Opens and writes KVTML files through KDE's own vocabulary library (libkeduvocdocument, Qt 5), as
// Parley and KWordQuiz do. Built on its own, apart from Vocamir's Qt 6 code.
//
//   parley_checker list FILE    one line per entry: the words of each language, tab-separated,
//                               languages in identifier order; exit 1 when KDE cannot open it
//   parley_checker write FILE   writes a small vocabulary in Russian, Hebrew and English with a
//                               lesson, word types and pronunciations
#include <KEduVocDocument>
#include <KEduVocExpression>
#include <KEduVocIdentifier>
#include <KEduVocLesson>
#include <KEduVocTranslation>
#include <KEduVocWordtype>
#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

namespace {

int List(const QString& path) {
  KEduVocDocument document;
  const auto result = document.open(QUrl::fromLocalFile(path), KEduVocDocument::FileOpenReadOnly);
  QTextStream out(stdout);
  out.setCodec("UTF-8");
  if (result != KEduVocDocument::NoError) {
    QTextStream(stderr) << "KDE cannot open " << path << ": " << document.errorDescription(result)
                        << "\n";
    return 1;
  }
  const int languages = document.identifierCount();
  for (KEduVocExpression* entry : document.lesson()->entries(KEduVocLesson::Recursive)) {
    QStringList words;
    for (int language = 0; language < languages; ++language) {
      words << entry->translation(language)->text();
    }
    out << words.join(QLatin1Char('\t')) << "\n";
  }
  return 0;
}

KEduVocWordType* AddType(KEduVocWordType* parent, const QString& name, KEduVocWordFlags flags) {
  auto* type = new KEduVocWordType(name, parent);
  type->setWordType(flags);
  parent->appendChildContainer(type);
  return type;
}

int Write(const QString& path) {
  KEduVocDocument document;
  document.setTitle(QStringLiteral("Parley"));
  const QStringList locales = {QStringLiteral("en"), QStringLiteral("ru"), QStringLiteral("he")};
  for (const QString& locale : locales) {
    KEduVocIdentifier identifier;
    identifier.setLocale(locale);
    identifier.setName(locale);
    document.appendIdentifier(identifier);
  }
  auto* lesson = new KEduVocLesson(QStringLiteral("Family"), document.lesson());
  document.lesson()->appendChildContainer(lesson);
  KEduVocWordType* noun =
      AddType(document.wordTypeContainer(), QStringLiteral("Noun"), KEduVocWordFlag::Noun);
  KEduVocWordType* feminine =
      AddType(noun, QStringLiteral("Feminine"), KEduVocWordFlag::Noun | KEduVocWordFlag::Feminine);
  KEduVocWordType* verb =
      AddType(document.wordTypeContainer(), QStringLiteral("Verb"), KEduVocWordFlag::Verb);

  auto* mother = new KEduVocExpression(
      QStringList{QStringLiteral("mother"), QStringLiteral("мать"), QStringLiteral("אמא")});
  mother->translation(1)->setPronunciation(QStringLiteral("ма<ть"));
  for (int language = 0; language < 3; ++language)
    mother->translation(language)->setWordType(feminine);
  lesson->appendEntry(mother);

  auto* write = new KEduVocExpression(
      QStringList{QStringLiteral("to write"), QStringLiteral("писать"), QStringLiteral("כתב")});
  for (int language = 0; language < 3; ++language) write->translation(language)->setWordType(verb);
  lesson->appendEntry(write);

  const auto result = document.saveAs(QUrl::fromLocalFile(path), KEduVocDocument::Kvtml,
                                      KEduVocDocument::FileIgnoreLock);
  if (result != KEduVocDocument::NoError) {
    QTextStream(stderr) << "KDE cannot write " << path << ": " << document.errorDescription(result)
                        << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() == 3 && arguments[1] == QLatin1String("list")) return List(arguments[2]);
  if (arguments.size() == 3 && arguments[1] == QLatin1String("write")) return Write(arguments[2]);
  QTextStream(stderr) << "usage: parley_checker list|write FILE\n";
  return 2;
}
