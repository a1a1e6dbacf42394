#include "PdfPages.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace test {
namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  const bool finished = process.waitForFinished(60000);
  EXPECT_TRUE(finished && process.exitCode() == 0)
      << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

double Millimetres(const QString& points) { return points.toDouble() * kMillimetresPerPoint; }

}  // namespace

PdfPages ReadPdf(const QString& file) {
  PdfPages pdf;
  const QString info = Run(QStringLiteral("pdfinfo"), {file});
  pdf.Count =
      QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info).captured(1).toInt();
  const QRegularExpressionMatch size =
      QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
  pdf.Width = Millimetres(size.captured(1));
  pdf.Height = Millimetres(size.captured(2));

  const QString boxes = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, "-"});
  const QRegularExpression element(QStringLiteral(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  for (const QRegularExpressionMatch& match : element.globalMatch(boxes)) {
    if (match.captured(0) == QStringLiteral("<page ")) {
      pdf.Words.emplace_back();
      continue;
    }
    pdf.Words.back().push_back({QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText(),
                                Millimetres(match.captured(1)), Millimetres(match.captured(2)),
                                Millimetres(match.captured(3)), Millimetres(match.captured(4))});
  }
  return pdf;
}

}  // namespace test
