#include "store/DataSource.h"

#include <QByteArray>

#include "store/FieldCodec.h"
#include "store/FieldNames.h"

namespace store {

namespace {

// Keeps Hebrew in its stored order on screen: LEFT-TO-RIGHT OVERRIDE ... POP DIRECTIONAL
// FORMATTING.
constexpr char16_t kLeftToRightOverride = u'\u202D';
constexpr char16_t kPopDirectionalFormatting = u'\u202C';

}  // namespace

// Forwards the table's changes to the model's signals.
class DataSource::Listener : public TableListener {
 public:
  explicit Listener(DataSource& source) : source_(source) {}

  void RowsAboutToBeInserted(int first, int last) override {
    source_.beginInsertRows(QModelIndex(), first, last);
  }
  void RowsInserted() override {
    source_.endInsertRows();
    source_.FollowCurrentRow();
  }
  void RowsAboutToBeRemoved(int first, int last) override {
    source_.beginRemoveRows(QModelIndex(), first, last);
  }
  void RowsRemoved() override {
    source_.endRemoveRows();
    source_.FollowCurrentRow();
  }
  void RowChanged(int row) override {
    const int columns = source_.columnCount();
    if (row >= 0 && columns > 0) {
      emit source_.dataChanged(source_.index(row, 0), source_.index(row, columns - 1));
    }
    if (row == source_.CurrentRow()) emit source_.CurrentRecordChanged();
  }
  void AboutToReset() override { source_.beginResetModel(); }
  void ResetDone() override {
    source_.endResetModel();
    source_.FollowCurrentRow();
  }
  void CurrentChanged() override {
    source_.FollowCurrentRow();
    emit source_.CurrentRecordChanged();
  }
  void TableDestroyed() override { source_.SetDataSet(nullptr); }

 private:
  DataSource& source_;
};

DataSource::DataSource(QObject* parent)
    : QAbstractTableModel(parent), listener_(std::make_unique<Listener>(*this)) {}

DataSource::~DataSource() {
  if (table_) table_->RemoveListener(listener_.get());
}

void DataSource::SetDataSet(Table* table) {
  beginResetModel();
  if (table_) table_->RemoveListener(listener_.get());
  table_ = table;
  columns_.clear();
  positions_.clear();
  if (table_) {
    for (const FieldDef& field : table_->Definition().Fields) {
      columns_.push_back({field.Name, QString::fromStdString(field.Name)});
      positions_.push_back(static_cast<int>(positions_.size()));
    }
    table_->AddListener(listener_.get());
  }
  endResetModel();
  FollowCurrentRow();
}

void DataSource::SetColumns(std::vector<Column> columns) {
  std::vector<int> positions;
  for (Column& column : columns) {
    const int position = table_ ? table_->FieldPosition(column.FieldName) : -1;
    if (position < 0) {
      throw Error("Table " + (table_ ? table_->TableName() : std::string("(none)")) + ": field '" +
                  column.FieldName + "' not found.");
    }
    if (column.Caption.isEmpty()) column.Caption = QString::fromStdString(column.FieldName);
    positions.push_back(position);
  }
  beginResetModel();
  columns_ = std::move(columns);
  positions_ = std::move(positions);
  endResetModel();
}

int DataSource::CurrentRow() const { return table_ ? table_->CurrentRow() : -1; }

void DataSource::SetCurrentRow(int row) {
  if (!table_) throw Error("The data source is bound to no table.");
  table_->MoveToRow(row);
}

void DataSource::FollowCurrentRow() {
  const int row = CurrentRow();
  if (row == lastRow_) return;
  lastRow_ = row;
  emit CurrentRowChanged(row);
}

QString DataSource::FieldText(std::string_view fieldName) const {
  if (!table_) throw Error("The data source is bound to no table.");
  const Field field = table_->FieldByName(fieldName);
  if (!table_->Active()) return {};
  return text::ToUnicode(field.AsString(), CodepageOf(field.Encoding()));
}

void DataSource::SetFieldText(std::string_view fieldName, const QString& text) {
  if (!table_) throw Error("The data source is bound to no table.");
  Field field = table_->FieldByName(fieldName);
  if (field.DataType() != FieldType::String) {
    field.SetAsString(text.trimmed().toStdString());
    return;
  }
  if (text.isEmpty()) {
    field.Clear();
    return;
  }
  const std::optional<std::string> bytes = text::TryFromUnicode(text, CodepageOf(field.Encoding()));
  if (!bytes) {
    throw ConversionError("The text cannot be stored in field '" + field.FieldName() + "' (" +
                          text::CodepageName(CodepageOf(field.Encoding())) + ").");
  }
  field.SetAsString(*bytes);
}

int DataSource::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : table_->RowCount();
}

int DataSource::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

int DataSource::ColumnPosition(int column) const { return positions_[column]; }

QVariant DataSource::data(const QModelIndex& index, int role) const {
  if (!table_ || !index.isValid() || !checkIndex(index)) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole) return {};
  const int position = ColumnPosition(index.column());
  const FieldDef& field = table_->Definition().Fields[position];
  try {
    const std::optional<std::string> value = table_->RowText(index.row(), position);
    if (!value) return {};
    if (role == Qt::UserRole) return QByteArray::fromStdString(*value);
    if (field.Type != FieldType::String) return QVariant::fromValue(std::stoll(*value));
    QString text = text::ToUnicode(*value, CodepageOf(field.Encoding));
    if (role == Qt::DisplayRole && field.Encoding == TextEncoding::Cp1255) {
      text = QChar(kLeftToRightOverride) + text + QChar(kPopDirectionalFormatting);
    }
    return text;
  } catch (const std::exception&) {
    return {};
  }
}

QVariant DataSource::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) {
    if (section < 0 || section >= columnCount()) return {};
    return columns_[section].Caption;
  }
  return section + 1;
}

Qt::ItemFlags DataSource::flags(const QModelIndex& index) const {
  if (!table_ || !index.isValid() || !checkIndex(index)) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const TableState state = table_->State();
  const bool editing = state == TableState::Edit || state == TableState::Insert;
  const bool autoInc =
      table_->Definition().Fields[ColumnPosition(index.column())].Type == FieldType::AutoInc;
  if (editing && index.row() == table_->CurrentRow() && !autoInc) flags |= Qt::ItemIsEditable;
  return flags;
}

bool DataSource::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  try {
    SetFieldText(columns_[index.column()].FieldName, value.toString());
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace store
