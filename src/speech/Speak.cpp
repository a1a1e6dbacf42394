#include "speech/Speak.h"

#include "text/Codepage.h"

namespace speech {

QString WideText(text::Language language, std::string_view bytes) {
  const text::Codepage codepage =
      language == text::Language::English ? text::Codepage::Ascii : text::Codepage::Win1251;
  return text::ToUnicode(bytes, codepage);
}

void Speak(Engine& engine, text::Language language, std::string_view bytes) {
  engine.Speak(WideText(language, bytes));
}

}  // namespace speech
