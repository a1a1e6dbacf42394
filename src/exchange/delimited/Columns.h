#pragma once

// The columns of delimited text: what each one holds of a meaning, under the name a header row or
// a "#columns:" line gives it. The reader and the writer share this one table, so a field is read
// back where it was written from.

#include <QString>
#include <QStringView>
#include <span>
#include <string>

#include "dictionary/ParsedMeaning.h"
#include "text/Codepage.h"
#include "text/Language.h"

namespace exchange::delimited {

enum class Field { Item, Speech, Sex, Part, Topic, Root, Binyan, Spelling, Pronunciation };

struct Column {
  QString Name;
  Field Holds;
  text::Language Language = text::Language::Hebrew;  // of Item, Speech and Sex
  int Form = 0;                                      // of Spelling and Pronunciation: 0 to 27
};

// Every column in the order an export writes them: the three words, their hints, the codes, the
// root and pattern, then each verb form's spelling and hint ("PresentZahar",
// "PresentZaharSpeech", ... "Process", "ProcessSpeech").
std::span<const Column> Columns();

// The column named `name` (any case, blanks around it ignored), or null.
const Column* FindColumn(QStringView name);

// Whether the column holds a number (a code) rather than text.
bool IsCode(const Column& column);
// The largest value of a code column.
int LargestCode(const Column& column);
// The code page of a text column, and whether it holds Hebrew letters (display order in the
// tables, reading order in files).
text::Codepage CodepageOf(const Column& column);
bool IsHebrewText(const Column& column);

// The field of `meaning` the column holds.
std::string& TextOf(dictionary::ParsedMeaning& meaning, const Column& column);
const std::string& TextOf(const dictionary::ParsedMeaning& meaning, const Column& column);
int& CodeOf(dictionary::ParsedMeaning& meaning, const Column& column);
int CodeOf(const dictionary::ParsedMeaning& meaning, const Column& column);

}  // namespace exchange::delimited
