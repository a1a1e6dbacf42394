#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/Table.h"

namespace store {

// The binding through which grids and data-aware edit boxes show and edit a table: a Qt table
// model whose rows are the table's display rows (the records that pass the filter in the order of
// the active index, plus a record being inserted) and whose columns are chosen fields, together
// with the table's current record.
//
// Text reaches Qt as Unicode converted by each field's code page. For display, text of a
// Windows-1255 field is wrapped in LEFT-TO-RIGHT OVERRIDE ... POP DIRECTIONAL FORMATTING so that
// Hebrew shows exactly in its stored (display) order; the edit role carries the plain text.
// Qt::UserRole carries the stored bytes as a QByteArray.
//
// A data source follows every change of its table (listeners) and emits the matching model
// signals. It does not own the table.
class DataSource : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Column {
    std::string FieldName;
    QString Caption;  // empty: the field name
  };

  explicit DataSource(QObject* parent = nullptr);
  ~DataSource() override;

  // Binds the data source to a table (nullptr: to none). The columns default to every field of
  // the table in position order.
  void SetDataSet(Table* table);
  Table* DataSet() const { return table_; }

  // Chooses the columns shown, by field name (matched without regard to case).
  // Throws Error when the bound table has no such field.
  void SetColumns(std::vector<Column> columns);
  const std::vector<Column>& Columns() const { return columns_; }

  // The display row of the table's current record; -1 when there is none.
  int CurrentRow() const;
  // Moves the table's cursor to a display row (see Table::MoveToRow: a pending edit is stored
  // first). Throws Error for a row out of range.
  void SetCurrentRow(int row);

  // The current record's field as Unicode (a data-aware edit box shows this). "" for null or
  // when there is no current record. Throws Error for an unknown field.
  QString FieldText(std::string_view fieldName) const;
  // Writes Unicode text into the current record's field, converted by its code page; an emptied
  // field ("") stores null, as the import leaves a missing value. REQUIRES: the table is in edit or
  // insert state, otherwise throws Error.
  void SetFieldText(std::string_view fieldName, const QString& text);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  // Cells of the current row are editable while the table is in edit or insert state.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Writes an edit-role value into a cell of the current row in edit or insert state; returns
  // false (and changes nothing) anywhere else or when the value does not fit the field.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  // The cursor went to another record (row -1: none).
  void CurrentRowChanged(int row);
  // The current record changed in any way: another record, a field written, a post, a state
  // change. Data-aware edit boxes reload their text on it.
  void CurrentRecordChanged();

 private:
  class Listener;
  int ColumnPosition(int column) const;
  // Emits CurrentRowChanged when the current record's row differs from the one last told.
  void FollowCurrentRow();

  Table* table_ = nullptr;
  std::vector<Column> columns_;
  std::vector<int> positions_;
  std::unique_ptr<Listener> listener_;
  int lastRow_ = -1;
};

}  // namespace store
