// Random sequences of cursor, edit, post, delete, index and filter operations, checked step by
// step against a plain reference model of the table; a data source with Qt's model tester
// watches every signal on the way, and the database is reopened at the end.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <algorithm>
#include <map>
#include <optional>
#include <random>

#include "StoreTestSupport.h"
#include "store/Collation.h"
#include "store/DataSource.h"

namespace store {
namespace {

using testing::TempDatabase;
using testing::WordsDef;

struct Row {
  std::int64_t Key = 0;
  std::optional<std::string> Item;
  std::optional<std::int64_t> Num;
};

// What the table must do, written as plainly as possible: vectors rebuilt on every question.
class ReferenceTable {
 public:
  enum Order { kByKey, kByItem, kByNum };

  std::vector<Row> View() const {
    std::vector<Row> rows;
    for (const auto& [key, row] : records_) {
      if (Passes(row)) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end(), [this](const Row& a, const Row& b) {
      const int c = CompareRows(a, b);
      return c != 0 ? c < 0 : a.Key < b.Key;
    });
    return rows;
  }
  int RowOf(std::int64_t key) const {
    const std::vector<Row> view = View();
    for (std::size_t i = 0; i < view.size(); ++i) {
      if (view[i].Key == key) return static_cast<int>(i);
    }
    return -1;
  }
  int CurrentRow() const {
    if (state_ == TableState::Insert) return insertRow_;
    return current_ ? RowOf(*current_) : -1;
  }
  int RowCount() const {
    return static_cast<int>(View().size()) + (state_ == TableState::Insert ? 1 : 0);
  }
  // The row a grid shows at a display row.
  Row DisplayRow(int row) const {
    if (row == CurrentRow() && Editing()) return buffer_;
    if (state_ == TableState::Insert && row > insertRow_) --row;
    return View()[row];
  }
  Row CurrentValues() const {
    if (Editing()) return buffer_;
    if (current_) return records_.at(*current_);
    return Row{};
  }
  bool Editing() const { return state_ == TableState::Edit || state_ == TableState::Insert; }

  void StorePending() {
    if (!Editing()) return;
    if (modified_) {
      Post();
    } else {
      Cancel();
    }
  }
  void First() {
    StorePending();
    const auto view = View();
    current_ = view.empty() ? std::nullopt : std::optional(view.front().Key);
    bof_ = true;
    eof_ = view.empty();
  }
  void Last() {
    StorePending();
    const auto view = View();
    current_ = view.empty() ? std::nullopt : std::optional(view.back().Key);
    eof_ = true;
    bof_ = view.empty();
  }
  void Next() {
    StorePending();
    const auto view = View();
    const int row = current_ ? RowOf(*current_) : -1;
    if (row >= 0 && row + 1 < static_cast<int>(view.size())) {
      current_ = view[row + 1].Key;
      bof_ = eof_ = false;
    } else {
      eof_ = true;
    }
  }
  void Prior() {
    StorePending();
    const auto view = View();
    const int row = current_ ? RowOf(*current_) : -1;
    if (row > 0) {
      current_ = view[row - 1].Key;
      bof_ = eof_ = false;
    } else {
      bof_ = true;
    }
  }
  void Insert() {
    StorePending();
    insertRow_ = current_ ? RowOf(*current_) : 0;
    state_ = TableState::Insert;
    buffer_ = Row{};
    modified_ = false;
  }
  void Edit() {
    if (Editing()) return;
    if (!current_) return Insert();
    state_ = TableState::Edit;
    buffer_ = records_.at(*current_);
    modified_ = false;
  }
  bool Write(const Row& values) {
    if (!Editing()) return false;
    buffer_.Item = values.Item;
    buffer_.Num = values.Num;
    modified_ = true;
    return true;
  }
  void Post() {
    if (state_ == TableState::Insert) {
      buffer_.Key = nextKey_++;
      records_[buffer_.Key] = buffer_;
      state_ = TableState::Browse;
      if (Passes(buffer_)) {
        GoTo(buffer_.Key);
      } else {
        GoToRowOrLast(insertRow_);
      }
    } else if (state_ == TableState::Edit) {
      const int row = RowOf(*current_);
      records_[*current_] = buffer_;
      state_ = TableState::Browse;
      if (Passes(buffer_)) {
        GoTo(buffer_.Key);
      } else {
        GoToRowOrLast(row);
      }
    }
  }
  void Cancel() { state_ = TableState::Browse; }
  bool Delete() {
    if (state_ == TableState::Insert) {
      Cancel();
      return true;
    }
    if (!current_) return false;
    const int row = RowOf(*current_);
    records_.erase(*current_);
    state_ = TableState::Browse;
    GoToRowOrLast(row);
    return true;
  }
  void SetOrder(Order order) {
    StorePending();
    order_ = order;
    eof_ = bof_ = View().empty();
  }
  void SetFiltered(bool on) {
    StorePending();
    filtered_ = on;
    First();
  }
  void FindNearest(const std::string& key) {
    StorePending();
    const auto view = View();
    for (const Row& row : view) {
      if (CompareText(row.Item.value_or(""), key, Collation::CaseInsensitive) >= 0)
        return GoTo(row.Key);
    }
    if (!view.empty()) {
      current_ = view.back().Key;
      eof_ = true;
      bof_ = false;
    }
  }
  bool Locate(std::int64_t key) {
    StorePending();
    if (RowOf(key) < 0) return false;
    GoTo(key);
    return true;
  }
  void MoveToRow(int row) {
    if (row == CurrentRow()) return;
    const std::int64_t target = DisplayRow(row).Key;
    StorePending();
    GoTo(target);
  }

  const std::map<std::int64_t, Row>& Records() const { return records_; }
  TableState State() const { return state_; }
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  Order CurrentOrder() const { return order_; }

 private:
  static constexpr std::int64_t kFilterNum = 1;  // the filter is "Num = '1'"
  bool Passes(const Row& row) const { return !filtered_ || (row.Num && *row.Num == kFilterNum); }
  int CompareRows(const Row& a, const Row& b) const {
    if (order_ == kByItem) {  // a null text sorts as the empty text
      return CompareText(a.Item.value_or(""), b.Item.value_or(""), Collation::CaseInsensitive);
    }
    if (order_ == kByNum) {
      if (a.Num.has_value() != b.Num.has_value()) return a.Num ? 1 : -1;
      return a.Num ? (*a.Num < *b.Num ? -1 : (*a.Num > *b.Num ? 1 : 0)) : 0;
    }
    return 0;
  }
  void GoTo(std::int64_t key) {
    current_ = key;
    eof_ = bof_ = false;
  }
  void GoToRowOrLast(int row) {
    const auto view = View();
    if (view.empty()) {
      current_.reset();
      eof_ = bof_ = true;
    } else {
      GoTo(view[std::min<std::size_t>(row, view.size() - 1)].Key);
    }
  }

  std::map<std::int64_t, Row> records_;
  std::int64_t nextKey_ = 1;
  Order order_ = kByKey;
  bool filtered_ = false;
  TableState state_ = TableState::Browse;
  std::optional<std::int64_t> current_;
  bool eof_ = true;
  bool bof_ = true;
  Row buffer_;
  bool modified_ = false;
  int insertRow_ = 0;
};

std::optional<std::string> ItemOf(const std::optional<std::string>& text) { return text; }

Row ReadCurrent(Table& table) {
  Row row;
  if (!table.FieldByName("Id").IsNull()) row.Key = table.FieldByName("Id").AsInteger();
  if (!table.FieldByName("Item").IsNull()) row.Item = table.FieldByName("Item").AsString();
  if (!table.FieldByName("Num").IsNull()) row.Num = table.FieldByName("Num").AsInteger();
  return row;
}

void ExpectSameRow(const Row& actual, const Row& expected, const std::string& where) {
  EXPECT_EQ(actual.Item, expected.Item) << where;
  EXPECT_EQ(actual.Num, expected.Num) << where;
}

void ExpectSameDisplay(const Table& table, const ReferenceTable& model, const std::string& where) {
  ASSERT_EQ(table.RowCount(), model.RowCount()) << where;
  for (int row = 0; row < model.RowCount(); ++row) {
    const Row expected = model.DisplayRow(row);
    EXPECT_EQ(table.RowText(row, 1), ItemOf(expected.Item)) << where << " row " << row;
    const std::optional<std::string> num = table.RowText(row, 2);
    EXPECT_EQ(num, expected.Num ? std::optional(std::to_string(*expected.Num)) : std::nullopt)
        << where << " row " << row;
  }
}

class TableModelTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(TableModelTest, RandomOperationsMatchTheReferenceModel) {
  std::mt19937 random(GetParam());
  TempDatabase db;
  Table table(WordsDef());
  table.Open(db.Db());
  table.SetFilter("Num = '1'");
  DataSource source;
  source.SetDataSet(&table);
  QAbstractItemModelTester tester(&source, QAbstractItemModelTester::FailureReportingMode::Fatal);
  ReferenceTable model;

  const std::vector<std::string> words = {"a", "B", "ab", "\xCA\xCE\xD2", "\xEA\xEE", "", "b"};
  auto pick = [&](int n) { return static_cast<int>(random() % n); };
  auto randomRow = [&] {
    Row row;
    if (pick(6) > 0) row.Item = words[pick(static_cast<int>(words.size()))];
    if (pick(6) > 0) row.Num = pick(3);
    return row;
  };

  for (int step = 0; step < 600; ++step) {
    const int op = pick(14);
    std::string where = "step " + std::to_string(step) + " op " + std::to_string(op);
    switch (op) {
      case 0:
        table.First();
        model.First();
        break;
      case 1:
        table.Next();
        model.Next();
        break;
      case 2:
        table.Prior();
        model.Prior();
        break;
      case 3:
        table.Last();
        model.Last();
        break;
      case 4:
        table.Insert();
        model.Insert();
        break;
      case 5:
        table.Edit();
        model.Edit();
        break;
      case 6:
      case 7: {
        const Row values = randomRow();
        const bool accepted = model.Write(values);
        if (!accepted) {
          EXPECT_THROW(table.FieldByName("Item").SetAsString("x"), Error) << where;
          break;
        }
        if (values.Item) {
          table.FieldByName("Item").SetAsString(*values.Item);
        } else {
          table.FieldByName("Item").Clear();
        }
        if (values.Num) {
          table.FieldByName("Num").SetAsInteger(static_cast<int>(*values.Num));
        } else {
          table.FieldByName("Num").Clear();
        }
        break;
      }
      case 8:
        table.Post();
        model.Post();
        break;
      case 9:
        if (pick(2)) {
          table.Cancel();
          model.Cancel();
        } else if (model.Delete()) {
          table.Delete();
        } else {
          EXPECT_THROW(table.Delete(), Error) << where;
        }
        break;
      case 10: {
        const auto order = static_cast<ReferenceTable::Order>(pick(3));
        const char* names[] = {"id_index", "item_index", "num_index"};
        table.SetIndexName(names[order]);
        model.SetOrder(order);
        break;
      }
      case 11: {
        const bool on = pick(2);
        table.SetFiltered(on);
        model.SetFiltered(on);
        break;
      }
      case 12:
        if (model.CurrentOrder() == ReferenceTable::kByItem) {
          const std::string key = words[pick(static_cast<int>(words.size()))];
          table.FindNearest(key);
          model.FindNearest(key);
        } else {
          const int key = pick(12);
          EXPECT_EQ(table.Locate("Id", key), model.Locate(key)) << where;
        }
        break;
      case 13:
        if (model.RowCount() > 0) {
          const int row = pick(model.RowCount());
          table.MoveToRow(row);
          model.MoveToRow(row);
        }
        break;
    }
    ASSERT_EQ(table.State(), model.State()) << where;
    ASSERT_EQ(table.CurrentRow(), model.CurrentRow()) << where;
    EXPECT_EQ(table.Eof(), model.Eof()) << where;
    EXPECT_EQ(table.Bof(), model.Bof()) << where;
    EXPECT_EQ(table.RecordCount(), static_cast<int>(model.View().size())) << where;
    ExpectSameRow(ReadCurrent(table), model.CurrentValues(), where);
    EXPECT_EQ(source.rowCount(), model.RowCount()) << where;
    EXPECT_EQ(source.CurrentRow(), model.CurrentRow()) << where;
    if (step % 10 == 0) ExpectSameDisplay(table, model, where);
    if (::testing::Test::HasFailure()) return;
  }

  // Everything posted is in the database, exactly.
  table.StorePendingEdit();
  model.StorePending();
  table.Close();
  db.Reopen();
  table.Open(db.Db());
  ASSERT_EQ(table.RecordCount(), static_cast<int>(model.Records().size()));
  table.First();
  for (const auto& [key, expected] : model.Records()) {
    EXPECT_EQ(table.FieldByName("Id").AsInteger(), key);
    ExpectSameRow(ReadCurrent(table), expected, "reopened key " + std::to_string(key));
    table.Next();
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TableModelTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace store
