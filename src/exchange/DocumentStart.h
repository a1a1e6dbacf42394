#pragma once

// Tells an exchange document from any other file by its beginning. An exchange document opens
// with its root element "<Root>", preceded by nothing but blanks, line ends and tags opened by
// "<?" or "<!" (the XML declaration, the stylesheet instruction, comments). Tags run from "<" to
// the next ">", as the scanner reads them.

#include <string_view>

namespace exchange {

// False when the bytes before the first element are anything else, or the first element is not
// "<Root>": a text file, a picture, another XML document. Data that ends before its first element
// is complete (empty data included) is taken as a document cut short, so it counts as one.
bool BeginsAsExchangeDocument(std::string_view bytes);

}  // namespace exchange
