#pragma once

// Lesson records for the print tests.

#include <QString>

#include "store/Table.h"

namespace test {

struct LessonSpec {
  QString ru{};
  QString he{};  // display order, as stored
  QString en{};
};

// Appends one record to the lesson list table SELEWORDS and posts it.
void AddLesson(store::Table& lessons, const LessonSpec& lesson);

}  // namespace test
