// The main window's data exchange commands: "Export data" and "Import data". They ask the user
// through the dialog seam and leave the work to the exchange functions.

#include <QDate>
#include <QDir>
#include <QLocale>
#include <string>

#include "app/Find.h"
#include "exchange/Export.h"
#include "exchange/ForeignFiles.h"
#include "exchange/Import.h"
#include "exchange/ProgressWindow.h"
#include "exchange/anki/PackageExport.h"
#include "store/DetachedSources.h"
#include "text/Codepage.h"
#include "ui/DetachedWork.h"
#include "ui/Instances.h"

namespace {

const QString kExportAllQuestion = QStringLiteral("You are really going to export all words?");

// Today's date in the system's short date format, as the document's bytes.
std::string Today() {
  const QDate today = QDate::currentDate();
  const QString date = QLocale::system().toString(today, QLocale::ShortFormat);
  return text::TryFromUnicode(date, text::Codepage::Win1251)
      .value_or(today.toString(Qt::ISODate).toStdString());
}

}  // namespace

void TFormSelect::Exportdata1Click() {
  TDataModul& data = *instances_.DataModul;
  try {
    int count = exchange::SelectMarkedWords(data);
    if (count == 0 && dialogs_.AskYesNo(kExportAllQuestion)) {
      count = exchange::SelectAllWords(data);
    }
    const QString path = dialogs_.SaveFileName(ExportData);
    if (!path.isEmpty()) {
      ui::RunDetached(
          *this, [&data] { return store::DetachedSources(data); },
          [&] {
            if (exchange::anki::IsPackageFile(path)) {
              // The words are spoken into the package; their marks stay.
              exchange::ProgressWindow progress(this, QStringLiteral("Speaking the words..."));
              exchange::anki::ExportPackage(data, count, path, QDir::currentPath().toStdString(),
                                            progress.Callback());
            } else if (exchange::IsForeignFile(path)) {
              // Another program's file: the marks stay, as for the package.
              exchange::ProgressWindow progress(this, QStringLiteral("Exporting words..."));
              exchange::ExportForeignFile(data, count, path, progress.Callback());
            } else {
              exchange::ProgressWindow progress(this, QStringLiteral("Exporting words..."));
              exchange::ExportDocument(data, path, count, Today(), progress.Callback());
            }
          });
    }
  } catch (...) {
    exchange::ReleaseWordFilters(data);
    throw;
  }
  exchange::ReleaseWordFilters(data);
}

void TFormSelect::Importdata1Click() {
  if (RefusedReadOnly()) return;
  TDataModul& data = *instances_.DataModul;
  const QString path = dialogs_.OpenFileName(ImportData);
  if (path.isEmpty()) {
    exchange::EndImport(data);
    return;
  }
  if (exchange::IsForeignFile(path)) {
    exchange::ImportReport report;
    ui::RunDetached(
        *this, [&data] { return store::DetachedSources(data); },
        [&] {
          exchange::ProgressWindow progress(this, QStringLiteral("Importing words..."));
          report = exchange::ImportForeignFile(data, path, progress.Callback());
        });
    dialogs_.Message(QString::fromStdString(exchange::ReportText(report)).trimmed());
    return;
  }
  exchange::ImportResult result;
  ui::RunDetached(
      *this, [&data] { return store::DetachedSources(data); },
      [&] {
        exchange::ProgressWindow progress(this, QStringLiteral("Importing words..."));
        result = exchange::ImportDocument(data, path, progress.Callback());
      });
  if (result.EndedEarly) dialogs_.Message(QString::fromStdString(exchange::EndedEarlyText(result)));
}
