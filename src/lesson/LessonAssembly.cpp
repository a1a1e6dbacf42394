#include "lesson/LessonAssembly.h"

#include <string>

#include "dictionary/Codes.h"
#include "dictionary/LessonMeanings.h"
#include "dictionary/Marks.h"
#include "dictionary/MeaningFields.h"
#include "dictionary/MeaningRecords.h"
#include "store/Error.h"
#include "store/WriteUnit.h"

namespace lesson {
namespace {

void CopyField(store::Table& from, const char* fromField, store::Table& to, const char* toField) {
  const store::Field source = from.FieldByName(fromField);
  store::Field target = to.FieldByName(toField);
  if (source.IsNull()) {
    target.Clear();
  } else {
    target.SetAsString(source.AsString());
  }
}

bool IsVerb(store::Table& hebrew) {
  const store::Field part = hebrew.FieldByName("Part");
  return !part.IsNull() && part.AsInteger() == dictionary::kPartVerb;
}

// Appends and posts the lesson record of the meaning whose found records are current, and
// remembers which meaning it came from (when its Russian record was found).
void AppendLessonRecord(const dictionary::WordTables& tables,
                        const dictionary::MeaningRecords& meaning, store::Table& lessons,
                        dictionary::LessonMeanings& origins) {
  lessons.Insert();
  if (meaning.Found(Language::Russian)) {
    CopyField(tables.ru, "Item", lessons, "ItemRU");
    CopyField(tables.ru, "RussianSpeech", lessons, "RussianSpeech");
  }
  if (meaning.Found(Language::Hebrew)) {
    CopyField(tables.he, "Item", lessons, "ItemHE");
    CopyField(tables.he, "Part", lessons, "Part");
    CopyField(tables.he, "HebrSpeech", lessons, "HebrSpeech");
    if (IsVerb(tables.he)) CopyField(tables.he, dictionary::kKeyField, lessons, "idHE");
  }
  if (meaning.Found(Language::English)) {
    CopyField(tables.en, "Item", lessons, "ItemEN");
    CopyField(tables.en, "EnglishSpeech", lessons, "EnglishSpeech");
  }
  lessons.FieldByName(dictionary::kMarkField).SetAsString(dictionary::kMark);
  lessons.FieldByName("IndexAndestand").SetAsInteger(0);
  lessons.FieldByName("AndestandTwo").SetAsInteger(0);
  lessons.Post();
  if (meaning.Found(Language::Russian)) {
    origins.Remember(lessons.GetBookmark().RecordKey,
                     tables.ru.FieldByName(dictionary::kKeyField).AsInteger());
  }
}

// Adds the meaning whose found records are current as one write unit: its lesson record and,
// with `clearMarks`, its cleared marks are stored together or not at all.
void AddMeaning(const dictionary::WordTables& tables, dictionary::MeaningRecords& meaning,
                store::Table& lessons, dictionary::LessonMeanings& origins, bool clearMarks) {
  store::WriteUnit({&lessons, &tables.ru, &tables.en, &tables.he}).Run([&] {
    AppendLessonRecord(tables, meaning, lessons, origins);
    if (clearMarks) meaning.SetMark("", {Language::Russian, Language::English, Language::Hebrew});
  });
}

}  // namespace

int AddMarkedMeanings(const dictionary::WordTables& tables, store::Table& lessons) {
  const int count = dictionary::FilterMarked(tables.ru);
  if (count == 0) return 0;  // nothing to write: a read-only dictionary opens its lesson list
  store::BulkTransaction transaction(lessons);
  dictionary::LessonMeanings origins(lessons.Database());
  // Clearing a mark takes the record out of the filtered view; the next one then stands first.
  int added = 0;
  for (; added < count && !tables.ru.IsEmpty(); ++added) {
    dictionary::MeaningRecords meaning(tables, Language::Russian);
    meaning.LocatePartners();
    AddMeaning(tables, meaning, lessons, origins, true);
  }
  transaction.Commit();
  return added;
}

int AddSelectedMeanings(const dictionary::WordTables& tables, Language language,
                        const std::vector<store::Bookmark>& rows, store::Table& lessons) {
  store::BulkTransaction transaction(lessons);
  dictionary::LessonMeanings origins(lessons.Database());
  store::Table& source = dictionary::TableOf(tables, language);
  for (const store::Bookmark& row : rows) {
    source.GotoBookmark(row);
    dictionary::MeaningRecords meaning(tables, language);
    meaning.LocatePartners();
    AddMeaning(tables, meaning, lessons, origins, false);
  }
  transaction.Commit();
  return static_cast<int>(rows.size());
}

int AssembleLesson(const dictionary::WordTables& tables, Language language,
                   const std::vector<store::Bookmark>& selectedRows, store::Table& lessons) {
  dictionary::SwitchFilters(tables, false);
  const int before = lessons.RecordCount();
  int added = 0;
  try {
    added = selectedRows.size() < 2 ? AddMarkedMeanings(tables, lessons)
                                    : AddSelectedMeanings(tables, language, selectedRows, lessons);
  } catch (const store::ReadOnlyError&) {
    dictionary::SwitchFilters(tables, false);  // refused before anything was written
    throw;
  } catch (const store::Error& error) {
    dictionary::SwitchFilters(tables, false);
    throw store::Error("The lesson list is incomplete: " + std::string(error.what()) +
                       " The meanings added before it (" +
                       std::to_string(lessons.RecordCount() - before) +
                       ") are in the list; the others are left as they were.");
  }
  dictionary::SwitchFilters(tables, false);
  return added;
}

}  // namespace lesson
