#include "PrintTestSupport.h"

#include "store/FieldCodec.h"
#include "text/Codepage.h"

namespace test {
namespace {

void SetText(store::Table& table, const char* field, const QString& value) {
  store::Field target = table.FieldByName(field);
  target.SetAsString(text::FromUnicode(value, store::CodepageOf(target.Encoding())));
}

}  // namespace

void AddLesson(store::Table& lessons, const LessonSpec& lesson) {
  lessons.Insert();
  SetText(lessons, "ItemRU", lesson.ru);
  SetText(lessons, "ItemHE", lesson.he);
  SetText(lessons, "ItemEN", lesson.en);
  lessons.FieldByName("IndexAndestand").SetAsInteger(0);
  lessons.FieldByName("AndestandTwo").SetAsInteger(0);
  lessons.Post();
}

}  // namespace test
