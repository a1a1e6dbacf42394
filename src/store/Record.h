#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "store/SqlitePersistence.h"

namespace store {

class Record;

struct RecordDeleter {
  void operator()(const Record* record) const;
};
using RecordPtr = std::unique_ptr<const Record, RecordDeleter>;

// The values of one stored record, packed into a single allocation: the record key, then per
// field the end offset of its bytes and its kind (null, integer, text), then the bytes. Integers
// take the fewest little-endian bytes that hold them. A record never changes once made; posting
// an edit replaces it by a new one.
class Record {
 public:
  // Throws Error when the values do not fit in one record (more than 65535 bytes in all).
  static RecordPtr Create(std::int64_t key, const std::vector<StoredValue>& values);
  // Throws the error Create would throw for these values, without making a record.
  static void CheckFits(const std::vector<StoredValue>& values);

  std::int64_t Key() const { return key_; }
  int FieldCount() const { return fieldCount_; }
  bool IsNull(int position) const { return Kind(position) == kNull; }
  bool IsInteger(int position) const { return Kind(position) == kInteger; }
  // The bytes of a text value ("" for null).
  std::string_view Text(int position) const;
  // The value of an integer field (0 for null).
  std::int64_t Integer(int position) const;
  StoredValue Value(int position) const;
  std::vector<StoredValue> Values() const;

 private:
  friend struct RecordDeleter;
  static constexpr std::uint8_t kNull = 0;
  static constexpr std::uint8_t kInteger = 1;
  static constexpr std::uint8_t kText = 2;

  Record(std::int64_t key, int fieldCount)
      : key_(key), fieldCount_(static_cast<std::uint16_t>(fieldCount)) {}
  const std::uint16_t* Ends() const { return reinterpret_cast<const std::uint16_t*>(this + 1); }
  const std::uint8_t* Kinds() const {
    return reinterpret_cast<const std::uint8_t*>(Ends() + fieldCount_);
  }
  static std::size_t PayloadSize(const std::vector<StoredValue>& values);
  const char* Payload() const { return reinterpret_cast<const char*>(Kinds() + fieldCount_); }
  std::uint8_t Kind(int position) const { return Kinds()[position]; }
  std::string_view Bytes(int position) const;

  std::int64_t key_;
  std::uint16_t fieldCount_;
};

}  // namespace store
