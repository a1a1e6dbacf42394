#include "TestDictionary.h"

#include <QDir>
#include <filesystem>
#include <stdexcept>

#include "store/FieldCodec.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace test {
namespace {

// `value` in the code page of `table`'s field.
std::string Encoded(store::Table& table, const char* field, const QString& value) {
  return text::FromUnicode(value, store::CodepageOf(table.FieldByName(field).Encoding()));
}

// The fields of one language's record of `meaning`, links aside.
TestRecord WordRecord(store::Table& table, const QString& item, const char* hintField,
                      const QString& hint, const MeaningSpec& meaning) {
  TestRecord fields{{"Item", Encoded(table, "Item", item)},
                    {"Select", std::string(meaning.marked ? "*" : "")}};
  if (!hint.isEmpty()) fields.emplace_back(hintField, Encoded(table, hintField, hint));
  if (meaning.part) fields.emplace_back("Part", *meaning.part);
  if (meaning.topic) fields.emplace_back("Topic", *meaning.topic);
  return fields;
}

void Write(store::Table& table, const TestRecord& fields) {
  for (const auto& [name, value] : fields) {
    if (const int* number = std::get_if<int>(&value)) {
      table.FieldByName(name).SetAsInteger(*number);
    } else {
      table.FieldByName(name).SetAsString(std::get<std::string>(value));
    }
  }
}

std::string KeyField(store::Table& table) { return table.Fields(0).FieldName(); }

}  // namespace

TestWorkspace::TestWorkspace(bool open) {
  if (!folder_.isValid() || !QDir(folder_.path()).mkdir(QStringLiteral("data"))) {
    throw std::runtime_error("cannot create a temporary working folder");
  }
  data_ = std::make_unique<TDataModul>(folder_.path().toStdString());
  if (open) data_->DataModuleCreate();
}

TestWorkspace::~TestWorkspace() {
  data_.reset();
  SetWritable(true, true);
}

void TestWorkspace::Reopen() {
  data_.reset();
  SetWritable(true, true);
  data_ = std::make_unique<TDataModul>(folder_.path().toStdString());
  data_->DataModuleCreate();
}

void TestWorkspace::ReopenReadOnly(bool folder) {
  data_.reset();
  SetWritable(false, folder);
  data_ = std::make_unique<TDataModul>(folder_.path().toStdString());
  data_->DataModuleCreate();
}

void TestWorkspace::SetWritable(bool writable, bool folder) {
  namespace fs = std::filesystem;
  const fs::path data = fs::path(folder_.path().toStdString()) / "data";
  const auto set = [writable](const fs::path& path) {
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_write,
                    writable ? fs::perm_options::add : fs::perm_options::remove, ignored);
  };
  std::error_code ignored;
  for (const fs::directory_entry& file : fs::directory_iterator(data, ignored)) {
    if (folder || file.path().filename() == "vocamir.db") set(file.path());
  }
  if (folder || writable) set(data);
}

MeaningIds AddMeaning(TDataModul& data, const MeaningSpec& meaning) {
  TestRecord hebrew = WordRecord(data.HETable(), meaning.he, "HebrSpeech", meaning.heHint, meaning);
  const std::string item = Encoded(data.HETable(), "Item", meaning.he);
  const std::string root = Encoded(data.HETable(), "Root", meaning.heRoot);
  hebrew.insert(hebrew.end(), {{"Item_Invert", text::InvertText(item)},
                               {"Root", root},
                               {"Root_Invert", text::InvertText(root)}});
  const auto [ru, he, en] = AddMeaningRecords(
      data, WordRecord(data.RUTable(), meaning.ru, "RussianSpeech", meaning.ruHint, meaning),
      hebrew, WordRecord(data.ENTable(), meaning.en, "EnglishSpeech", meaning.enHint, meaning));
  return {ru, he, en};
}

QString FieldText(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  return text::ToUnicode(value.AsString(), store::CodepageOf(value.Encoding()));
}

::testing::AssertionResult CurrentRecordsLinked(TDataModul& data) {
  struct Link {
    store::Table& from;
    const char* field;
    store::Table& to;
    const char* key;
  };
  store::Table& ru = data.RUTable();
  store::Table& he = data.HETable();
  store::Table& en = data.ENTable();
  const Link links[] = {{ru, "IdHE", he, "id"}, {ru, "IdEN", en, "id"}, {he, "idRU", ru, "Id"},
                        {he, "idEN", en, "id"}, {en, "idRU", ru, "Id"}, {en, "idHE", he, "id"}};
  for (const Link& link : links) {
    const std::string held = link.from.FieldByName(link.field).AsString();
    const std::string key = link.to.FieldByName(link.key).AsString();
    if (held.empty() || held != key) {
      return ::testing::AssertionFailure()
             << link.from.TableName() << "." << link.field << " holds '" << held << "', but the "
             << link.to.TableName() << " record's key is '" << key << "'";
    }
  }
  return ::testing::AssertionSuccess();
}

int AddRecord(store::Table& table, const TestRecord& fields) {
  table.Insert();
  Write(table, fields);
  table.Post();
  return table.Fields(0).AsInteger();
}

void SetRecord(store::Table& table, int key, const TestRecord& fields) {
  EXPECT_TRUE(table.Locate(KeyField(table), key)) << table.TableName() << " " << key;
  table.Edit();
  Write(table, fields);
  table.Post();
}

std::array<int, 3> AddMeaningRecords(TDataModul& data, const TestRecord& russian,
                                     const TestRecord& hebrew, const TestRecord& english) {
  const int ru = AddRecord(data.RUTable(), russian);
  const int he = AddRecord(data.HETable(), hebrew);
  const int en = AddRecord(data.ENTable(), english);
  SetRecord(data.RUTable(), ru, {{"IdHE", he}, {"IdEN", en}});
  SetRecord(data.HETable(), he, {{"idRU", ru}, {"idEN", en}});
  SetRecord(data.ENTable(), en, {{"idRU", ru}, {"idHE", he}});
  return {ru, he, en};
}

std::optional<std::string> RecordText(store::Table& table, int key, std::string_view field) {
  const bool filtered = table.Filtered();
  if (filtered) table.SetFiltered(false);
  std::optional<std::string> value;
  if (table.Locate(KeyField(table), key) && !table.FieldByName(field).IsNull()) {
    value = table.FieldByName(field).AsString();
  }
  if (filtered) table.SetFiltered(true);
  return value;
}

std::vector<std::string> FieldColumn(store::Table& table, std::string_view field) {
  const std::string index = table.IndexName();
  const bool filtered = table.Filtered();
  table.SetFiltered(false);
  table.SetIndexName("");
  std::vector<std::string> values;
  table.First();
  const int count = table.RecordCount();
  for (int i = 0; i < count; ++i) {
    if (i > 0) table.Next();
    values.push_back(table.FieldByName(field).AsString());
  }
  table.SetIndexName(index);
  table.SetFiltered(filtered);
  return values;
}

}  // namespace test
