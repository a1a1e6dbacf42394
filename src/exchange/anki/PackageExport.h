#pragma once

// The export of the dictionary to a flashcard package, as the menu command and the data tool run
// it: the meanings read as the exchange export reads them, their sounds spoken with the voices
// and speeds of the settings file, one deck named after the dictionary's folder.

#include <QString>
#include <filesystem>
#include <optional>

#include "exchange/Progress.h"
#include "exchange/anki/AnkiPackage.h"

class TDataModul;

namespace exchange::anki {

// Whether `path` names a flashcard package (".apkg", any case).
bool IsPackageFile(const QString& path);

// Writes the `count` meanings of the Russian table's view from its first record (see
// exchange::SelectMarkedWords / SelectAllWords) to the package `path`, with the settings file of
// `folder`, the working folder whose name the deck takes. Marks are not touched. Returns nothing
// when `progress` cancelled. Throws ExchangeError or std::runtime_error with the text for the user
// (speech not usable, the file not written), store::Error when a table operation fails.
std::optional<PackageResult> ExportPackage(TDataModul& data, int count, const QString& path,
                                           const std::filesystem::path& folder,
                                           const Progress& progress = {});

}  // namespace exchange::anki
