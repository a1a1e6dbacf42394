#pragma once

// Hands a single-byte text of one language to an engine instance.

#include <QString>
#include <string_view>

#include "speech/Engine.h"
#include "text/Language.h"

namespace speech {

// The wide text of a single-byte text of `language`, of its full length: Russian texts and the
// Cyrillic pronunciation hints of Hebrew words are Windows-1251, English texts are ASCII.
QString WideText(text::Language language, std::string_view bytes);

// Speaks `bytes` on `engine` at once, converted by WideText. Neither checks whether speech is
// available nor waits for another instance.
void Speak(Engine& engine, text::Language language, std::string_view bytes);

}  // namespace speech
