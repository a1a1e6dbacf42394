#include "editor/WordRecords.h"

#include <optional>

#include "dictionary/CreateMeaning.h"
#include "dictionary/MeaningFields.h"
#include "dictionary/MeaningRecords.h"
#include "store/Table.h"
#include "store/WriteUnit.h"
#include "text/InvertText.h"

namespace editor {
namespace {

std::optional<int> IntegerOrNull(store::Table& table, const char* field) {
  store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsInteger();
}

int CodeOrZero(store::Table& table, const char* field) {
  return IntegerOrNull(table, field).value_or(0);
}

int Key(store::Table& table) { return table.FieldByName(dictionary::kKeyField).AsInteger(); }

// Stores `value`, or null for an empty text.
void SetTextOrNull(store::Field field, const std::string& value) {
  if (value.empty()) {
    field.Clear();
  } else {
    field.SetAsString(value);
  }
}

dictionary::WordTables WordsOf(const WordTables& tables) {
  return {tables.ru, tables.he, tables.en};
}

dictionary::Language LanguageOf(Page page) {
  switch (page) {
    case Page::Russian:
      return dictionary::Language::Russian;
    case Page::Hebrew:
      return dictionary::Language::Hebrew;
    case Page::English:
      break;
  }
  return dictionary::Language::English;
}

}  // namespace

void CreateMeaning(WordTables& tables, Page page, const std::string& searchText) {
  dictionary::CreateMeaning(WordsOf(tables));
  EditWords(tables);
  switch (page) {
    case Page::Hebrew:
      SetTextOrNull(tables.he.FieldByName("Item"), searchText);
      KeepReversedCopies(tables.he);
      break;
    case Page::Russian:
      SetTextOrNull(tables.ru.FieldByName("Item"), searchText);
      break;
    case Page::English:
      SetTextOrNull(tables.en.FieldByName("Item"), searchText);
      break;
  }
}

bool MoveToPartners(WordTables& tables, Page page) {
  return dictionary::MoveToPartners(WordsOf(tables), LanguageOf(page));
}

void EditWords(WordTables& tables) {
  tables.ru.Edit();
  tables.he.Edit();
  tables.en.Edit();
}

WordCodes ReadCodes(store::Table& ru, store::Table& he, store::Table& en) {
  WordCodes codes;
  codes.part = CodeOrZero(he, "Part");
  codes.binyan = CodeOrZero(he, "Binyan");
  codes.sexHE = CodeOrZero(he, "Sex");
  codes.sexRU = CodeOrZero(ru, "Sex");
  codes.sexEN = CodeOrZero(en, "Sex");
  codes.topic = CodeOrZero(he, "Topic");
  return codes;
}

bool LoadVerbForms(WordTables& tables, int hebrewId, VerbTexts& spelling,
                   VerbTexts& pronunciation) {
  tables.gl.SetIndexName("index_idHE");
  const bool found = tables.gl.FindKey(hebrewId);
  bool pronunciationFound = false;
  if (found) {
    const std::optional<int> nekudotId =
        IntegerOrNull(tables.gl, dictionary::kFormsToPronunciation);
    if (nekudotId) {
      tables.nekudot.SetIndexName("index_id");
      pronunciationFound = tables.nekudot.FindKey(*nekudotId);
    }
  }
  for (int form = 0; form < kVerbFormCount; ++form) {
    spelling[form].clear();
    pronunciation[form].clear();
    if (!found) continue;
    spelling[form] = tables.gl.Fields(form + 1).AsString();
    if (pronunciationFound) pronunciation[form] = tables.nekudot.Fields(form + 1).AsString();
  }
  return found;
}

void KeepReversedCopies(store::Table& he) {
  SetTextOrNull(he.FieldByName("Item_Invert"), text::InvertText(he.FieldByName("Item").AsString()));
  SetTextOrNull(he.FieldByName("Root_Invert"), text::InvertText(he.FieldByName("Root").AsString()));
}

std::optional<int> WriteCodesAndPost(WordTables& tables, const WordCodes& codes) {
  tables.he.Edit();
  tables.ru.Edit();
  tables.en.Edit();
  KeepReversedCopies(tables.he);
  tables.he.FieldByName("Part").SetAsInteger(codes.part);
  tables.ru.FieldByName("Part").SetAsInteger(codes.part);
  tables.en.FieldByName("Part").SetAsInteger(codes.part);
  tables.he.FieldByName("Binyan").SetAsInteger(codes.binyan);
  tables.he.FieldByName("Sex").SetAsInteger(codes.sexHE);
  tables.ru.FieldByName("Sex").SetAsInteger(StoredSex(codes.sexRU, codes.sexHE));
  tables.en.FieldByName("Sex").SetAsInteger(StoredSex(codes.sexEN, codes.sexHE));
  tables.he.FieldByName("Topic").SetAsInteger(codes.topic);
  tables.ru.FieldByName("Topic").SetAsInteger(codes.topic);
  tables.en.FieldByName("Topic").SetAsInteger(codes.topic);
  std::optional<int> hebrewId = IntegerOrNull(tables.he, dictionary::kKeyField);
  store::WriteUnit({&tables.he, &tables.ru, &tables.en}).Run([&tables, &hebrewId] {
    tables.he.Post();
    // A record inserted just now gets its key on posting; unfiltered, the cursor stays on it.
    if (!hebrewId && !tables.he.Filtered())
      hebrewId = IntegerOrNull(tables.he, dictionary::kKeyField);
    tables.ru.Post();
    tables.en.Post();
  });
  return hebrewId;
}

void StoreVerbForms(WordTables& tables, int hebrewId, const VerbTexts& spelling,
                    const VerbTexts& pronunciation) {
  try {
    tables.gl.SetIndexName("index_idHE");
    if (tables.gl.FindKey(hebrewId)) {
      const std::optional<int> nekudotId =
          IntegerOrNull(tables.gl, dictionary::kFormsToPronunciation);
      tables.nekudot.SetIndexName("index_id");
      if (nekudotId && tables.nekudot.FindKey(*nekudotId)) {
        tables.nekudot.Edit();
      } else {
        tables.nekudot.Insert();
      }
      tables.gl.Edit();
    } else {
      tables.gl.Insert();
      tables.nekudot.Insert();
    }
    for (int form = 0; form < kVerbFormCount; ++form) {
      tables.gl.Fields(form + 1).SetAsString(spelling[form]);
      tables.nekudot.Fields(form + 1).SetAsString(pronunciation[form]);
    }
    store::WriteUnit({&tables.nekudot, &tables.gl}).Run([&tables, hebrewId] {
      tables.nekudot.Post();
      dictionary::LinkVerbForms(tables.gl, hebrewId, Key(tables.nekudot));
      tables.gl.Post();
    });
  } catch (...) {
    tables.gl.Cancel();
    tables.nekudot.Cancel();
    throw;
  }
}

}  // namespace editor
