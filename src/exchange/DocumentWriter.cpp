#include "exchange/DocumentWriter.h"

#include <array>
#include <charconv>

#include "exchange/FormNames.h"
#include "exchange/OutputFile.h"
#include "exchange/StressMarks.h"

namespace exchange {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlanks = "             ";  // the deepest indentation, 13

constexpr int kRootIndent = 1;
constexpr int kDayIndent = 3;
constexpr int kUnitIndent = 5;
constexpr int kPartIndent = 7;    // Num, Common, WordRU, WordHE, WordEN
constexpr int kValueIndent = 9;   // the values of Common and of the words; Verb and its sections
constexpr int kTenseIndent = 11;  // the tenses and Process
constexpr int kFormIndent = 13;   // the forms of a tense

}  // namespace

void DocumentWriter::WriteHeader(std::string_view date) {
  Line(0, "<?xml version='1.0' encoding='Windows-1252'?>");
  Line(0, "<?xml-stylesheet type='text/xsl' href='TStyle.xsl'?>");
  Line(kRootIndent, "<!-- XML Data From Vocamir -->");
  Open(kRootIndent, "Root");
  Element(kDayIndent, "Day", date);
}

void DocumentWriter::WriteUnit(const ExchangeUnit& unit) {
  Open(kUnitIndent, "Unit");
  Number(kPartIndent, "Num", NextNumber++);
  Open(kPartIndent, "Common");
  Number(kValueIndent, "Part", unit.Part);
  Number(kValueIndent, "Topic", unit.Topic);
  Close(kPartIndent, "Common");
  Word("WordRU", unit.Words[text::Language::Russian]);

  const ExchangeWord& hebrew = unit.Words[text::Language::Hebrew];
  Open(kPartIndent, "WordHE");
  Element(kValueIndent, "Item", hebrew.Item);
  Hint(kValueIndent, "Speech", hebrew.Speech);
  Number(kValueIndent, "Sex", hebrew.Sex);
  Element(kValueIndent, "Shoresh", unit.Root);
  Number(kValueIndent, "Binyan", unit.Binyan);
  if (unit.Binyan > 0) Verb(unit);
  Close(kPartIndent, "WordHE");

  Word("WordEN", unit.Words[text::Language::English]);
  Close(kUnitIndent, "Unit");
}

void DocumentWriter::WriteFooter() { Sink.WriteText(" </Root>"); }

void DocumentWriter::Word(std::string_view tag, const ExchangeWord& word) {
  Open(kPartIndent, tag);
  Element(kValueIndent, "Item", word.Item);
  Hint(kValueIndent, "Speech", word.Speech);
  Number(kValueIndent, "Sex", word.Sex);
  Close(kPartIndent, tag);
}

void DocumentWriter::Verb(const ExchangeUnit& unit) {
  Open(kValueIndent, "Verb");
  Section("Spelling", unit.Spelling, false);
  Section("Pronunciation", unit.Pronunciation, true);
  Close(kValueIndent, "Verb");
}

void DocumentWriter::Section(std::string_view name, const dictionary::FormTexts& forms,
                             bool hints) {
  const auto form = [&](int indent, const FormName& formName) {
    const std::string& value = forms[formName.Position - 1];
    if (hints) {
      Hint(indent, formName.Name, value);
    } else {
      Element(indent, formName.Name, value);
    }
  };
  Open(kValueIndent, name);
  for (const Tense& tense : Tenses()) {
    Open(kTenseIndent, tense.Name);
    for (const FormName& formName : tense.Forms) form(kFormIndent, formName);
    Close(kTenseIndent, tense.Name);
  }
  form(kTenseIndent, kProcessForm);
  Close(kValueIndent, name);
}

void DocumentWriter::Line(int indent, std::string_view text) {
  Buffer.assign(kBlanks.substr(0, indent));
  Buffer.append(text);
  Buffer.append(kLineEnd);
  Sink.WriteText(Buffer);
}

void DocumentWriter::Open(int indent, std::string_view name) { Tag(indent, "<", name); }

void DocumentWriter::Close(int indent, std::string_view name) { Tag(indent, "</", name); }

void DocumentWriter::Tag(int indent, std::string_view opening, std::string_view name) {
  Buffer.assign(kBlanks.substr(0, indent));
  Buffer.append(opening);
  Buffer.append(name);
  Buffer.append(">");
  Buffer.append(kLineEnd);
  Sink.WriteText(Buffer);
}

void DocumentWriter::Element(int indent, std::string_view name, std::string_view value) {
  Buffer.assign(kBlanks.substr(0, indent));
  Buffer.append("<");
  Buffer.append(name);
  Buffer.append(">");
  Buffer.append(value);
  Buffer.append("</");
  Buffer.append(name);
  Buffer.append(">");
  Buffer.append(kLineEnd);
  Sink.WriteText(Buffer);
}

void DocumentWriter::Number(int indent, std::string_view name, int value) {
  std::array<char, 16> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  Element(indent, name, std::string_view(digits.data(), end - digits.data()));
}

void DocumentWriter::Hint(int indent, std::string_view name, std::string_view value) {
  Element(indent, name, ConvertStressMarks(value, StressDirection::ToFile));
}

}  // namespace exchange
