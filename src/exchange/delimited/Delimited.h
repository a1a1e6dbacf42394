#pragma once

// Delimited text in UTF-8 — comma- or tab-separated values, as spreadsheets and the plain-text
// import and export of flashcard programs write them — read into meanings and written from them.
//
// A file may begin with header lines: "#separator:" (tab, comma, semicolon or pipe),
// "#html:true" (tags and [sound:...] references are then left out of the fields) and
// "#columns:" naming the columns with the separator between them. Without "#columns:" the first
// record names them. The names are those of Columns() in any case; a column of any other name is
// passed over and named in the document's notes.

#include <QChar>
#include <QString>
#include <string_view>
#include <vector>

#include "exchange/ExchangeUnit.h"
#include "exchange/ForeignDocument.h"
#include "exchange/OutputFile.h"

namespace exchange::delimited {

// The separator a file of this name has when its header does not say: a comma for ".csv", a tab
// otherwise (".tsv", ".txt").
QChar DefaultSeparator(const QString& path);

// Reads the whole file. Throws ExchangeError with the line and the reason when the file is not
// UTF-8, a header line or a quoted field is malformed, or no column is named; nothing is taken
// then. A record that cannot become a meaning (a code that is not a number in its range, more
// fields than named columns, no word at all) is refused with its line; blank lines are passed
// over.
ForeignDocument ReadDelimited(std::string_view bytes, QChar defaultSeparator);

// Writes the header lines ("#separator:", "#html:false", "#columns:") and one record per meaning,
// every column of Columns() — the verb forms' columns only when some meaning has a verb form.
// The separator is one of the ASCII separators the reader knows.
void WriteDelimited(ByteSink& sink, const std::vector<ExchangeUnit>& meanings, QChar separator);

}  // namespace exchange::delimited
