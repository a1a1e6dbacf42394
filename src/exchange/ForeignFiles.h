#pragma once

// Files of other programs, told apart by their names: KVTML and delimited text, read whole before
// anything is imported and written whole or not at all.

#include <QString>

#include "exchange/ForeignDocument.h"
#include "exchange/ForeignImport.h"
#include "exchange/Progress.h"

class TDataModul;

namespace exchange {

// Whether the name ends in ".kvtml" (KVTML 2, the vocabulary files of KDE's Parley and KWordQuiz),
// ".csv", ".tsv" or ".txt" (delimited text), in any case.
bool IsForeignFile(const QString& path);

// Reads and parses the file whole. Throws ExchangeError naming the file when it cannot be read or
// is malformed (with the line and the reason).
ForeignDocument ReadForeignFile(const QString& path);

// Reads the file whole (ReadForeignFile) and imports it (ImportForeign); ends as every import ends
// (EndImport), also when the file is refused.
ImportReport ImportForeignFile(TDataModul& data, const QString& path,
                               const Progress& progress = {});

// Writes the `count` meanings of the Russian table's view from its first record (see
// SelectMarkedWords / SelectAllWords) in the format the name says; marks are not touched. The
// file takes its place only when complete. Returns false when `progress` cancelled. Throws
// ExchangeError naming the file that cannot be written, store::Error when a table operation fails.
bool ExportForeignFile(TDataModul& data, int count, const QString& path,
                       const Progress& progress = {});

}  // namespace exchange
