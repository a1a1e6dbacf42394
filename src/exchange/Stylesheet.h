#pragma once

// The stylesheet "TStyle.xsl" that the exchange document names, so that a web browser shows the
// document as a table of its units: number, Russian, Hebrew and English word. It is an XSLT 1.0
// stylesheet; it shows the document's 1251 and 1255 bytes, which the document's declaration
// names Windows-1252, as the Cyrillic and Hebrew letters they stand for, Hebrew in reading order.

#include <QString>

namespace exchange {

class ByteSink;

// The file name the document's stylesheet instruction refers to.
inline constexpr char kStylesheetName[] = "TStyle.xsl";

// Writes the stylesheet's lines, each ending with CR LF.
void WriteStylesheetText(ByteSink& sink);

// Creates (or replaces) "TStyle.xsl" in `folder`. Throws ExchangeError naming the file when it
// cannot be written; an existing stylesheet is then left as it was.
void WriteStylesheet(const QString& folder);

}  // namespace exchange
