#include "lesson/print/ReportPdf.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <stdexcept>

namespace lesson {
namespace {

[[noreturn]] void Fail(const char* what, const QSaveFile& file) {
  throw std::runtime_error(QString::fromLatin1(what)
                               .arg(QDir::toNativeSeparators(file.fileName()), file.errorString())
                               .toStdString());
}

}  // namespace

ReportSummary WriteReportPdf(const std::vector<ReportRow>& records, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) Fail("The file \"%1\" cannot be created: %2.", file);
  ReportSummary summary;
  {
    // The writer completes the document when the report's painting ends.
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Vocamir"));
    writer.setTitle(QStringLiteral("Lesson list"));
    summary = PrintReport(records, writer);
  }
  if (!file.commit()) Fail("The file \"%1\" cannot be written: %2.", file);
  return summary;
}

}  // namespace lesson
