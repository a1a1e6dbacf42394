#pragma once

// Splits delimited text into records and fields by RFC 4180: a field in double quotes may hold the
// separator, line breaks and doubled quotes; lines end with LF or CR LF.

#include <QString>
#include <QStringView>
#include <vector>

namespace exchange::delimited {

class Records {
 public:
  // `firstLine` is the line number of the text's first line in its file.
  Records(QStringView text, QChar separator, int firstLine);

  // The next record's fields; false at the end. A blank line gives one empty field. Throws
  // ExchangeError naming the line where a quoted field that never closes begins.
  bool Next(std::vector<QString>& fields);

  // The file's line number where the record Next() returned last begins.
  int Line() const { return recordLine_; }

 private:
  // Whether a record ends at `at`: LF, or CR LF.
  bool LineEndsAt(qsizetype at) const;
  // The field at at_, which is left on what follows it: a separator, a line end or the text's end.
  QString PlainField();
  QString QuotedField();

  QStringView text_;
  QChar separator_;
  qsizetype at_ = 0;
  int line_;
  int recordLine_ = 0;
};

}  // namespace exchange::delimited
