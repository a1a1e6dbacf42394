#pragma once

// The shared test workspace with helpers that write records field by field as the exchange tests
// describe them (links that lead nowhere included).

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "TestDictionary.h"
#include "store/DataModul.h"

namespace exchange {

// A field value to write: text or a number.
using TestValue = std::variant<std::string, int>;
using TestRecord = std::vector<std::pair<std::string, TestValue>>;

class TestDictionary : public test::TestWorkspace {
 public:
  // Inserts a record with the given fields (the others stay empty) and returns its key.
  int Add(store::Table& table, const TestRecord& fields);
  // Writes fields into the record whose key field ("Id"/"id") holds `key`.
  void Set(store::Table& table, int key, const TestRecord& fields);
  // Adds a meaning: three records linked both ways. Returns the Russian, Hebrew, English keys.
  std::array<int, 3> AddMeaning(const TestRecord& russian, const TestRecord& hebrew,
                                const TestRecord& english);

  // The value of a field of the record with that key, or nullopt when the field is empty or the
  // record is missing.
  std::optional<std::string> Text(store::Table& table, int key, std::string_view field);
  // Every record's value of a field, in record-key order ("" for empty).
  std::vector<std::string> Column(store::Table& table, std::string_view field);
};

enum class SmallDictionary {
  // As the export's expected document describes it: items holding "&" and "<", and a Russian
  // word whose links find nothing.
  Golden,
  // The same meanings as a document can carry them back: no "<" in the items, and the lone
  // Russian word linked to an empty Hebrew and an empty English record.
  Consistent,
};

// A small dictionary: a noun, a verb with all its forms, a meaning of empty fields whose items
// hold "&", a Russian word without translations, and a verb pattern without verb-form records.
void FillSmallDictionary(TestDictionary& dictionary,
                         SmallDictionary variant = SmallDictionary::Golden);

}  // namespace exchange
