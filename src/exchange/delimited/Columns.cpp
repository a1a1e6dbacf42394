#include "exchange/delimited/Columns.h"

#include <vector>

#include "exchange/FormNames.h"

namespace exchange::delimited {
namespace {

using text::Language;

std::vector<Column> MakeColumns() {
  std::vector<Column> columns = {
      {"Russian", Field::Item, Language::Russian},
      {"Hebrew", Field::Item, Language::Hebrew},
      {"English", Field::Item, Language::English},
      {"RussianSpeech", Field::Speech, Language::Russian},
      {"HebrSpeech", Field::Speech, Language::Hebrew},
      {"EnglishSpeech", Field::Speech, Language::English},
      {"Part", Field::Part},
      {"Topic", Field::Topic},
      {"Sex", Field::Sex, Language::Hebrew},
      {"RussianSex", Field::Sex, Language::Russian},
      {"EnglishSex", Field::Sex, Language::English},
      {"Root", Field::Root},
      {"Binyan", Field::Binyan},
  };
  auto addForm = [&columns](const QString& name, int position) {
    columns.push_back({name, Field::Spelling, Language::Hebrew, position - 1});
    columns.push_back(
        {name + QStringLiteral("Speech"), Field::Pronunciation, Language::Hebrew, position - 1});
  };
  for (const Tense& tense : Tenses()) {
    for (const FormName& form : tense.Forms) {
      addForm(QString::fromLatin1(tense.Name) + QString::fromLatin1(form.Name), form.Position);
    }
  }
  addForm(QString::fromLatin1(kProcessForm.Name), kProcessForm.Position);
  return columns;
}

template <typename Meaning>
auto& TextField(Meaning& meaning, const Column& column) {
  switch (column.Holds) {
    case Field::Item:
      return meaning.Words[column.Language].Item;
    case Field::Speech:
      return meaning.Words[column.Language].Speech;
    case Field::Root:
      return meaning.Root;
    case Field::Spelling:
      return meaning.Spelling[column.Form];
    case Field::Pronunciation:
      return meaning.Pronunciation[column.Form];
    default:
      throw std::logic_error("not a text column");
  }
}

template <typename Meaning>
auto& CodeField(Meaning& meaning, const Column& column) {
  switch (column.Holds) {
    case Field::Sex:
      return meaning.Words[column.Language].Sex;
    case Field::Part:
      return meaning.Part;
    case Field::Topic:
      return meaning.Topic;
    case Field::Binyan:
      return meaning.Binyan;
    default:
      throw std::logic_error("not a code column");
  }
}

}  // namespace

std::span<const Column> Columns() {
  static const std::vector<Column> columns = MakeColumns();
  return columns;
}

const Column* FindColumn(QStringView name) {
  const QStringView trimmed = name.trimmed();
  for (const Column& column : Columns()) {
    if (trimmed.compare(column.Name, Qt::CaseInsensitive) == 0) return &column;
  }
  return nullptr;
}

bool IsCode(const Column& column) {
  return column.Holds == Field::Sex || column.Holds == Field::Part ||
         column.Holds == Field::Topic || column.Holds == Field::Binyan;
}

int LargestCode(const Column& column) {
  switch (column.Holds) {
    case Field::Sex:
      return column.Language == Language::Russian ? 3 : 2;
    case Field::Part:
      return 5;
    case Field::Topic:
      return 14;
    default:
      return 7;
  }
}

text::Codepage CodepageOf(const Column& column) {
  if (IsHebrewText(column)) return text::Codepage::Win1255;
  if (column.Holds == Field::Item && column.Language == Language::English) {
    return text::Codepage::Ascii;
  }
  if (column.Holds == Field::Speech && column.Language == Language::English) {
    return text::Codepage::Ascii;
  }
  return text::Codepage::Win1251;
}

bool IsHebrewText(const Column& column) {
  return (column.Holds == Field::Item && column.Language == Language::Hebrew) ||
         column.Holds == Field::Root || column.Holds == Field::Spelling;
}

std::string& TextOf(dictionary::ParsedMeaning& meaning, const Column& column) {
  return TextField(meaning, column);
}
const std::string& TextOf(const dictionary::ParsedMeaning& meaning, const Column& column) {
  return TextField(meaning, column);
}
int& CodeOf(dictionary::ParsedMeaning& meaning, const Column& column) {
  return CodeField(meaning, column);
}
int CodeOf(const dictionary::ParsedMeaning& meaning, const Column& column) {
  return CodeField(meaning, column);
}

}  // namespace exchange::delimited
