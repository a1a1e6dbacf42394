#include "store/Filter.h"

#include <cctype>
#include <string>

#include "store/Convert.h"
#include "store/Error.h"
#include "store/FieldNames.h"

namespace store {

namespace {

// A cursor over the expression text that reads its tokens.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }
  std::string_view Name() {
    SkipBlanks();
    const std::size_t begin = pos_;
    while (pos_ < text_.size() &&
           (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
      ++pos_;
    }
    return text_.substr(begin, pos_ - begin);
  }
  // "=" gives true, "<>" false; anything else nothing.
  std::optional<bool> Operator() {
    SkipBlanks();
    if (text_.substr(pos_, 2) == "<>") {
      pos_ += 2;
      return false;
    }
    if (text_.substr(pos_, 1) == "=") {
      ++pos_;
      return true;
    }
    return std::nullopt;
  }
  std::optional<std::string> Quoted() {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != '\'') return std::nullopt;
    std::string value;
    for (++pos_; pos_ < text_.size(); ++pos_) {
      if (text_[pos_] != '\'') {
        value += text_[pos_];
      } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
        value += '\'';
        ++pos_;
      } else {
        ++pos_;
        return value;
      }
    }
    return std::nullopt;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsAnd(std::string_view word) {
  return word.size() == 3 && std::tolower(static_cast<unsigned char>(word[0])) == 'a' &&
         std::tolower(static_cast<unsigned char>(word[1])) == 'n' &&
         std::tolower(static_cast<unsigned char>(word[2])) == 'd';
}

[[noreturn]] void Invalid(std::string_view text, const std::string& reason) {
  throw Error("The filter \"" + std::string(text) + "\" is not valid: " + reason + ".");
}

}  // namespace

FilterExpression FilterExpression::Parse(std::string_view text, const TableDef& table) {
  FilterExpression filter;
  Scanner scanner(text);
  if (scanner.AtEnd()) return filter;
  for (;;) {
    const std::string_view name = scanner.Name();
    if (name.empty()) Invalid(text, "a field name is expected");
    const int position = FindFieldPosition(table, name);
    if (position < 0) Invalid(text, "the table has no field '" + std::string(name) + "'");
    const std::optional<bool> equal = scanner.Operator();
    if (!equal) Invalid(text, "\"=\" or \"<>\" is expected after " + std::string(name));
    const std::optional<std::string> value = scanner.Quoted();
    if (!value) Invalid(text, "a value in single quotes is expected after " + std::string(name));

    Comparison comparison;
    comparison.Position = position;
    comparison.Equal = *equal;
    comparison.Value.IsNull = false;
    if (table.Fields[position].Type != FieldType::String) {
      const std::optional<std::int64_t> number = ParseInteger(*value);
      if (!number) Invalid(text, NotAnIntegerMessage(*value));
      comparison.Value.IsInteger = true;
      comparison.Value.Integer = *number;
    } else {
      comparison.Value.Text = *value;
    }
    filter.comparisons_.push_back(std::move(comparison));

    if (scanner.AtEnd()) return filter;
    if (!IsAnd(scanner.Name())) Invalid(text, "\"and\" is expected between comparisons");
  }
}

bool FilterExpression::Passes(const Record& record) const {
  for (const Comparison& comparison : comparisons_) {
    const int position = comparison.Position;
    if (record.IsNull(position)) return false;
    const bool equal =
        comparison.Value.IsInteger
            ? record.IsInteger(position) && record.Integer(position) == comparison.Value.Integer
            : !record.IsInteger(position) && record.Text(position) == comparison.Value.Text;
    if (equal != comparison.Equal) return false;
  }
  return true;
}

}  // namespace store
