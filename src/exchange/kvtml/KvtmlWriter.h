#pragma once

// Meanings into a KVTML 2 vocabulary, the file format of KDE's Parley and KWordQuiz: one entry per
// meaning with its Russian, Hebrew and English translation, as laid out in docs/kvtml.md. Reading
// the file back with ReadKvtml gives the same meanings.

#include <QString>
#include <vector>

#include "exchange/ExchangeUnit.h"
#include "exchange/OutputFile.h"

namespace exchange::kvtml {

// Writes the whole file (UTF-8 XML) to `sink`; `title` becomes the vocabulary's title. Throws
// ExchangeError naming the text and its meaning when it holds a control character, which XML cannot
// carry; what the sink throws passes through.
void WriteKvtml(ByteSink& sink, const std::vector<ExchangeUnit>& meanings, const QString& title);

}  // namespace exchange::kvtml
