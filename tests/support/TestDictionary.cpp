#include "TestDictionary.h"

#include <QDir>
#include <stdexcept>

#include "store/FieldCodec.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace test {
namespace {

void SetText(store::Table& table, const char* field, const QString& value) {
  store::Field target = table.FieldByName(field);
  target.SetAsString(text::FromUnicode(value, store::CodepageOf(target.Encoding())));
}

void SetCode(store::Table& table, const char* field, const std::optional<int>& code) {
  if (code) table.FieldByName(field).SetAsInteger(*code);
}

int AddEmpty(store::Table& table) {
  table.Insert();
  table.FieldByName("Select").SetAsString("");
  table.Post();
  return table.FieldByName("id").AsInteger();
}

}  // namespace

TestWorkspace::TestWorkspace(bool open) {
  if (!folder_.isValid() || !QDir(folder_.path()).mkdir(QStringLiteral("data"))) {
    throw std::runtime_error("cannot create a temporary working folder");
  }
  data_ = std::make_unique<TDataModul>(folder_.path().toStdString());
  if (open) data_->DataModuleCreate();
}

TestWorkspace::~TestWorkspace() { data_.reset(); }

void TestWorkspace::Reopen() {
  data_.reset();
  data_ = std::make_unique<TDataModul>(folder_.path().toStdString());
  data_->DataModuleCreate();
}

MeaningIds AddMeaning(TDataModul& data, const MeaningSpec& meaning) {
  store::Table& ru = data.RUTable;
  store::Table& he = data.HETable;
  store::Table& en = data.ENTable;
  MeaningIds ids{AddEmpty(ru), AddEmpty(he), AddEmpty(en)};
  const std::string mark = meaning.marked ? "*" : "";

  ru.Locate("Id", ids.ru);
  ru.Edit();
  SetText(ru, "Item", meaning.ru);
  ru.FieldByName("IdHE").SetAsInteger(ids.he);
  ru.FieldByName("IdEN").SetAsInteger(ids.en);
  ru.FieldByName("Select").SetAsString(mark);
  if (!meaning.ruHint.isEmpty()) SetText(ru, "RussianSpeech", meaning.ruHint);
  SetCode(ru, "Part", meaning.part);
  SetCode(ru, "Topic", meaning.topic);
  ru.Post();

  he.Locate("id", ids.he);
  he.Edit();
  SetText(he, "Item", meaning.he);
  he.FieldByName("Item_Invert").SetAsString(text::InvertText(he.FieldByName("Item").AsString()));
  SetText(he, "Root", meaning.heRoot);
  he.FieldByName("Root_Invert").SetAsString(text::InvertText(he.FieldByName("Root").AsString()));
  he.FieldByName("idRU").SetAsInteger(ids.ru);
  he.FieldByName("idEN").SetAsInteger(ids.en);
  he.FieldByName("Select").SetAsString(mark);
  if (!meaning.heHint.isEmpty()) SetText(he, "HebrSpeech", meaning.heHint);
  SetCode(he, "Part", meaning.part);
  SetCode(he, "Topic", meaning.topic);
  he.Post();

  en.Locate("id", ids.en);
  en.Edit();
  SetText(en, "Item", meaning.en);
  en.FieldByName("idRU").SetAsInteger(ids.ru);
  en.FieldByName("idHE").SetAsInteger(ids.he);
  en.FieldByName("Select").SetAsString(mark);
  if (!meaning.enHint.isEmpty()) SetText(en, "EnglishSpeech", meaning.enHint);
  SetCode(en, "Part", meaning.part);
  SetCode(en, "Topic", meaning.topic);
  en.Post();
  return ids;
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
  store::Table& ru = data.RUTable;
  store::Table& he = data.HETable;
  store::Table& en = data.ENTable;
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

}  // namespace test
