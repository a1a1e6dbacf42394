#include "store/DataSource.h"

namespace store {

class DataSource::Listener : public TableListener {};

DataSource::DataSource(QObject* parent) : QAbstractTableModel(parent) {}
DataSource::~DataSource() = default;
void DataSource::SetDataSet(Table* table) { table_ = table; }
void DataSource::SetColumns(std::vector<Column> columns) { columns_ = std::move(columns); }
int DataSource::CurrentRow() const { return -1; }
void DataSource::SetCurrentRow(int) {}
QString DataSource::FieldText(std::string_view) const { return {}; }
void DataSource::SetFieldText(std::string_view, const QString&) {}
int DataSource::rowCount(const QModelIndex&) const { return 0; }
int DataSource::columnCount(const QModelIndex&) const { return 0; }
QVariant DataSource::data(const QModelIndex&, int) const { return {}; }
QVariant DataSource::headerData(int, Qt::Orientation, int) const { return {}; }
Qt::ItemFlags DataSource::flags(const QModelIndex&) const { return Qt::NoItemFlags; }
bool DataSource::setData(const QModelIndex&, const QVariant&, int) { return false; }
int DataSource::ColumnPosition(int) const { return -1; }

}  // namespace store
