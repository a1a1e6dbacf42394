#include "lesson/print/QuickReport1.h"

#include <QGlyphRun>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

#include "lesson/print/ReportLayout.h"
#include "ui/Fonts.h"

namespace lesson {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Hebrew is stored in display order and printed as stored, as the windows show it: a
// LEFT-TO-RIGHT MARK and a LEFT-TO-RIGHT OVERRIDE in front keep the text engine from reordering
// its letters.
const QString kStoredOrderPrefix = QStringLiteral("\u200E\u202D");

// Millimetres to the device's units, separately for x and y.
class Scale {
 public:
  explicit Scale(const QPaintDevice& device)
      : x_(device.logicalDpiX() / kMillimetresPerInch),
        y_(device.logicalDpiY() / kMillimetresPerInch) {}

  double X(double millimetres) const { return millimetres * x_; }
  double Y(double millimetres) const { return millimetres * y_; }
  double ToMillimetres(double deviceY) const { return deviceY / y_; }

 private:
  double x_;
  double y_;
};

// Left-aligned, left to right, wrapping at word boundaries and inside a word only when the word
// alone is wider than the line.
QTextOption WrapOption() {
  QTextOption option(Qt::AlignLeft);
  option.setTextDirection(Qt::LeftToRight);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

QString Reversed(QString text) {
  std::reverse(text.begin(), text.end());
  return text;
}

// A Hebrew text is stored in display order, its last word first. Wrapped as stored, its first
// line would hold the end of the text; so the reading order is broken into lines, and each line
// is turned back into display order. Returns the lines joined by line separators, to be laid out
// in stored order.
QString HebrewLines(const QString& stored, const QFont& font, QPaintDevice& device, double width) {
  QTextLayout reading(kStoredOrderPrefix + Reversed(stored), font, &device);
  reading.setTextOption(WrapOption());
  QStringList lines;
  reading.beginLayout();
  for (QTextLine line = reading.createLine(); line.isValid(); line = reading.createLine()) {
    line.setLineWidth(width);
    const int start = std::max(line.textStart(), static_cast<int>(kStoredOrderPrefix.size()));
    const int end = line.textStart() + line.textLength();
    lines << Reversed(reading.text().mid(start, end - start).trimmed());
  }
  reading.endLayout();
  return kStoredOrderPrefix + lines.join(QChar::LineSeparator);
}

// One text of a row, wrapped to its column.
class RowText {
 public:
  RowText(const QString& text, bool hebrew, const ReportText& place, QPaintDevice& device,
          const Scale& scale)
      : place_(place) {
    const QFont font(ui::WordFont(place.PointSize), &device);
    const double width = scale.X(place.Width);
    layout_ = std::make_unique<QTextLayout>(hebrew ? HebrewLines(text, font, device, width) : text,
                                            font, &device);
    layout_->setTextOption(WrapOption());
    layout_->setCacheEnabled(true);
    layout_->beginLayout();
    double y = 0.0;
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
      line.setLineWidth(width);
      line.setPosition(QPointF(0.0, y));
      if (y == 0.0) firstLineHeight_ = line.height();
      y += line.height();
    }
    layout_->endLayout();
    growth_ = scale.ToMillimetres(y - firstLineHeight_);
  }

  // How much taller than one line the wrapped text is, in millimetres.
  double Growth() const { return growth_; }

  // Draws the laid-out glyphs themselves: a print preview records what is drawn and replays it
  // later, and a text replayed from its characters would lose the stored order of Hebrew.
  void Draw(QPainter& painter, const Scale& scale, double rowTop) const {
    const QPointF origin(scale.X(place_.Left), scale.Y(rowTop + place_.Top));
    for (const QGlyphRun& run : layout_->glyphRuns()) painter.drawGlyphRun(origin, run);
  }

 private:
  ReportText place_;
  std::unique_ptr<QTextLayout> layout_;
  double firstLineHeight_ = 0.0;
  double growth_ = 0.0;
};

// The three texts of one record, and the height of its row.
struct Row {
  std::array<std::unique_ptr<RowText>, 3> Texts;
  double Growth = 0.0;
};

Row LayOut(const ReportRow& record, QPaintDevice& device, const Scale& scale) {
  Row row;
  row.Texts = {std::make_unique<RowText>(record.ItemRU, false, kTextRU, device, scale),
               std::make_unique<RowText>(record.ItemHE, true, kTextHE, device, scale),
               std::make_unique<RowText>(record.ItemEN, false, kTextEN, device, scale)};
  for (const auto& text : row.Texts) row.Growth = std::max(row.Growth, text->Growth());
  return row;
}

void DrawRule(QPainter& painter, const Scale& scale, double rowTop, double growth,
              const ReportRule& rule) {
  const double top = rowTop + rule.Top;
  painter.drawLine(QPointF(scale.X(rule.X), scale.Y(top)),
                   QPointF(scale.X(rule.X), scale.Y(top + rule.Height + growth)));
}

void DrawRow(QPainter& painter, const Scale& scale, double rowTop, const Row& row) {
  const ReportBox& frame = kRowFrame;
  painter.drawRect(QRectF(scale.X(frame.Left), scale.Y(rowTop + frame.Top), scale.X(frame.Width),
                          scale.Y(frame.Height + row.Growth)));
  DrawRule(painter, scale, rowTop, row.Growth, kFirstRule);
  DrawRule(painter, scale, rowTop, row.Growth, kSecondRule);
  for (const auto& text : row.Texts) text->Draw(painter, scale, rowTop);
}

}  // namespace

ReportSummary PrintReport(const std::vector<ReportRow>& records, QPagedPaintDevice& device) {
  const QMarginsF margins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                                   QPageLayout::Millimeter));
  const double pageHeight = device.pageLayout().paintRect(QPageLayout::Millimeter).height();

  const Scale scale(device);
  std::vector<Row> rows;
  std::vector<double> heights;
  rows.reserve(records.size());
  heights.reserve(records.size());
  for (const ReportRow& record : records) {
    rows.push_back(LayOut(record, device, scale));
    heights.push_back(kRowHeight + rows.back().Growth);
  }
  const std::vector<RowPlace> places = FlowRows(heights, pageHeight);

  QPainter painter;
  if (!painter.begin(&device)) {
    throw std::runtime_error("The lesson list cannot be printed: the printer cannot start.");
  }
  painter.setPen(QPen(Qt::black, scale.X(kLineWidth)));
  painter.setBrush(Qt::NoBrush);
  int page = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (; page < places[i].Page; ++page) device.newPage();
    DrawRow(painter, scale, places[i].Top, rows[i]);
  }
  painter.end();
  return {static_cast<int>(rows.size()), page + 1};
}

}  // namespace lesson
