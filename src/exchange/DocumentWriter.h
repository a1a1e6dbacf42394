#pragma once

// Writes the exchange document in its fixed byte layout: blanks for indentation, CR LF after every
// line but the last (" </Root>"), values exactly as the tables hold them. Only the hints and the
// pronunciations change: their stress mark "<" is written as "_". Nothing else is escaped, so an
// item holding "&" or "<" is written as it stands.

#include <string>
#include <string_view>

#include "exchange/ExchangeUnit.h"

namespace exchange {

class ByteSink;

class DocumentWriter {
 public:
  explicit DocumentWriter(ByteSink& sink) : Sink(sink) {}

  // The declaration, the stylesheet instruction, the comment, "<Root>" and the date line.
  void WriteHeader(std::string_view date);
  // One "<Unit>" with its running number, counted from 0 over the calls on this writer. The verb
  // block is written only when the unit's Binyan is greater than 0.
  void WriteUnit(const ExchangeUnit& unit);
  // " </Root>", without a line end.
  void WriteFooter();

 private:
  void Line(int indent, std::string_view text);
  void Open(int indent, std::string_view name);
  void Close(int indent, std::string_view name);
  // A line holding one start tag ("<") or end tag ("</").
  void Tag(int indent, std::string_view opening, std::string_view name);
  void Element(int indent, std::string_view name, std::string_view value);
  void Number(int indent, std::string_view name, int value);
  void Hint(int indent, std::string_view name, std::string_view value);
  void Word(std::string_view tag, const ExchangeWord& word);
  void Verb(const ExchangeUnit& unit);
  // "Spelling" or "Pronunciation": the tenses with their forms, then Process. `hints` says the
  // forms are pronunciations, whose stress marks are converted.
  void Section(std::string_view name, const dictionary::FormTexts& forms, bool hints);

  ByteSink& Sink;
  int NextNumber = 0;
  std::string Buffer;  // the line being composed; each line reaches the sink whole
};

}  // namespace exchange
