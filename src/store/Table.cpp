#include "store/Table.h"

namespace store {

namespace {
[[noreturn]] void NotReady() { throw Error("The table store is not built yet."); }
}  // namespace

struct Table::Impl {
  TableDef Def;
};

Table::Table(TableDef definition) : impl_(std::make_unique<Impl>()) {
  impl_->Def = std::move(definition);
}
Table::~Table() = default;
void Table::Open(SqlitePersistence&) { NotReady(); }
void Table::Close() {}
bool Table::Active() const { return false; }
const std::string& Table::TableName() const { return impl_->Def.Name; }
const TableDef& Table::Definition() const { return impl_->Def; }
TableState Table::State() const { return TableState::Inactive; }
bool Table::Modified() const { return false; }
void Table::SetIndexName(std::string_view) { NotReady(); }
void Table::SetIndexFieldNames(std::string_view) { NotReady(); }
const std::string& Table::IndexName() const { return impl_->Def.Name; }
const std::string& Table::IndexFieldNames() const { return impl_->Def.Name; }
bool Table::FindKey(std::string_view) { NotReady(); }
bool Table::FindKey(int) { NotReady(); }
void Table::FindNearest(std::string_view) { NotReady(); }
void Table::FindNearest(int) { NotReady(); }
bool Table::Locate(std::string_view, std::string_view) { NotReady(); }
bool Table::Locate(std::string_view, int) { NotReady(); }
Field Table::FieldByName(std::string_view) { NotReady(); }
Field Table::Fields(int) { NotReady(); }
int Table::FieldCount() const { return static_cast<int>(impl_->Def.Fields.size()); }
int Table::FieldPosition(std::string_view) const { NotReady(); }
void Table::Insert() { NotReady(); }
void Table::Edit() { NotReady(); }
void Table::Post() { NotReady(); }
void Table::Cancel() { NotReady(); }
void Table::Delete() { NotReady(); }
void Table::StorePendingEdit() { NotReady(); }
void Table::First() { NotReady(); }
void Table::Next() { NotReady(); }
void Table::Prior() { NotReady(); }
void Table::Last() { NotReady(); }
bool Table::Eof() const { return true; }
bool Table::Bof() const { return true; }
int Table::RecordCount() const { NotReady(); }
bool Table::IsEmpty() const { return true; }
void Table::SetFilter(std::string_view) { NotReady(); }
const std::string& Table::Filter() const { return impl_->Def.Name; }
void Table::SetFiltered(bool) { NotReady(); }
bool Table::Filtered() const { return false; }
void Table::Refresh() { NotReady(); }
Bookmark Table::GetBookmark() const { NotReady(); }
void Table::GotoBookmark(const Bookmark&) { NotReady(); }
bool Table::BookmarkValid(const Bookmark&) const { return false; }
int Table::RowCount() const { return 0; }
int Table::CurrentRow() const { return -1; }
std::optional<std::string> Table::RowText(int, int) const { NotReady(); }
void Table::MoveToRow(int) { NotReady(); }
void Table::AddListener(TableListener*) {}
void Table::RemoveListener(TableListener*) {}
SqlitePersistence& Table::Database() const { NotReady(); }

const std::string& Field::FieldName() const { return table_->Definition().Fields[position_].Name; }
FieldType Field::DataType() const { return table_->Definition().Fields[position_].Type; }
TextEncoding Field::Encoding() const { return table_->Definition().Fields[position_].Encoding; }
bool Field::IsNull() const { NotReady(); }
std::string Field::AsString() const { NotReady(); }
int Field::AsInteger() const { NotReady(); }
void Field::SetAsString(std::string_view) { NotReady(); }
void Field::SetAsInteger(int) { NotReady(); }
void Field::Clear() { NotReady(); }

BulkTransaction::BulkTransaction(Table&) : database_(nullptr) { NotReady(); }
BulkTransaction::~BulkTransaction() = default;
void BulkTransaction::Commit() { NotReady(); }

}  // namespace store
