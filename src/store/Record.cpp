#include "store/Record.h"

#include <cstring>
#include <new>

#include "store/Error.h"

namespace store {

namespace {

// The fewest little-endian bytes of a two's complement integer that restore it by sign extension.
int IntegerWidth(std::int64_t value) {
  int width = 1;
  while (width < 8) {
    const std::int64_t limit = std::int64_t{1} << (8 * width - 1);
    if (value >= -limit && value < limit) break;
    ++width;
  }
  return width;
}

}  // namespace

void RecordDeleter::operator()(const Record* record) const {
  record->~Record();
  ::operator delete(const_cast<Record*>(record));
}

std::size_t Record::PayloadSize(const std::vector<StoredValue>& values) {
  std::size_t payload = 0;
  for (const StoredValue& value : values) {
    if (value.IsNull) continue;
    payload += value.IsInteger ? IntegerWidth(value.Integer) : value.Text.size();
  }
  return payload;
}

void Record::CheckFits(const std::vector<StoredValue>& values) {
  if (PayloadSize(values) > UINT16_MAX) {
    throw Error("A record may hold at most 65535 bytes of text.");
  }
}

RecordPtr Record::Create(std::int64_t key, const std::vector<StoredValue>& values) {
  CheckFits(values);
  const int count = static_cast<int>(values.size());
  const std::size_t payload = PayloadSize(values);
  const std::size_t size =
      sizeof(Record) + count * (sizeof(std::uint16_t) + sizeof(std::uint8_t)) + payload;
  void* memory = ::operator new(size);
  Record* record = new (memory) Record(key, count);
  auto* ends = reinterpret_cast<std::uint16_t*>(record + 1);
  auto* kinds = reinterpret_cast<std::uint8_t*>(ends + count);
  char* bytes = reinterpret_cast<char*>(kinds + count);
  std::size_t offset = 0;
  for (int i = 0; i < count; ++i) {
    const StoredValue& value = values[i];
    if (value.IsNull) {
      kinds[i] = kNull;
    } else if (value.IsInteger) {
      kinds[i] = kInteger;
      const int width = IntegerWidth(value.Integer);
      auto bits = static_cast<std::uint64_t>(value.Integer);
      for (int b = 0; b < width; ++b) bytes[offset + b] = static_cast<char>(bits >> (8 * b));
      offset += width;
    } else {
      kinds[i] = kText;
      std::memcpy(bytes + offset, value.Text.data(), value.Text.size());
      offset += value.Text.size();
    }
    ends[i] = static_cast<std::uint16_t>(offset);
  }
  return RecordPtr(record);
}

std::string_view Record::Bytes(int position) const {
  const std::uint16_t begin = position == 0 ? 0 : Ends()[position - 1];
  return {Payload() + begin, static_cast<std::size_t>(Ends()[position] - begin)};
}

std::string_view Record::Text(int position) const {
  return Kind(position) == kText ? Bytes(position) : std::string_view();
}

std::int64_t Record::Integer(int position) const {
  if (Kind(position) != kInteger) return 0;
  const std::string_view bytes = Bytes(position);
  std::uint64_t bits = 0;
  for (std::size_t b = 0; b < bytes.size(); ++b) {
    bits |= std::uint64_t{static_cast<unsigned char>(bytes[b])} << (8 * b);
  }
  const int unused = 64 - 8 * static_cast<int>(bytes.size());
  if (unused > 0) {
    // Sign extension from the top stored byte.
    if (bits & (std::uint64_t{1} << (63 - unused))) bits |= ~std::uint64_t{0} << (64 - unused);
  }
  return static_cast<std::int64_t>(bits);
}

StoredValue Record::Value(int position) const {
  StoredValue value;
  switch (Kind(position)) {
    case kInteger:
      value.IsNull = false;
      value.IsInteger = true;
      value.Integer = Integer(position);
      break;
    case kText:
      value.IsNull = false;
      value.Text = std::string(Bytes(position));
      break;
    default:
      break;
  }
  return value;
}

std::vector<StoredValue> Record::Values() const {
  std::vector<StoredValue> values;
  values.reserve(fieldCount_);
  for (int i = 0; i < fieldCount_; ++i) values.push_back(Value(i));
  return values;
}

}  // namespace store
