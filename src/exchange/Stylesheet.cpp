#include "exchange/Stylesheet.h"

#include <QDir>
#include <cstdio>
#include <string>
#include <string_view>

#include "exchange/OutputFile.h"
#include "text/Codepage.h"

namespace exchange {
namespace {

// The document declares Windows-1252, so a browser reads each byte from 0xA0 up as the Latin-1
// character of that code. These bytes carry every Russian letter (1251) and every Hebrew letter
// and point (1255); the stylesheet turns each such character back into the letter its byte
// stands for. Below 0xA0 the two code pages mostly agree on punctuation and are left alone.
constexpr unsigned kFirstMappedByte = 0xA0;
constexpr char16_t kFirstPrivateUse = 0xE000;
constexpr char16_t kLastPrivateUse = 0xF8FF;

std::string CharacterReference(char16_t character) {
  char text[16];
  std::snprintf(text, sizeof text, "&#x%X;", static_cast<unsigned>(character));
  return text;
}

// The `translate` arguments that map the document's characters to the letters of `codepage`:
// the characters as read, then what they stand for, as character references of equal count.
struct Mapping {
  std::string From;
  std::string To;
};

Mapping MappingOf(text::Codepage codepage) {
  Mapping mapping;
  for (unsigned byte = kFirstMappedByte; byte <= 0xFF; ++byte) {
    const char16_t read = static_cast<char16_t>(byte);
    const char16_t meant = text::ByteToUnicode(static_cast<unsigned char>(byte), codepage);
    if (meant == read || (meant >= kFirstPrivateUse && meant <= kLastPrivateUse)) continue;
    mapping.From += CharacterReference(read);
    mapping.To += CharacterReference(meant);
  }
  return mapping;
}

std::string Variable(std::string_view name, const std::string& value) {
  return "<xsl:variable name='" + std::string(name) + "'>" + value + "</xsl:variable>";
}

constexpr std::string_view kHead[] = {
    "<?xml version='1.0'?>",
    "<!-- Vocamir dictionary view -->",
    "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>",
    "<xsl:output method='html' encoding='UTF-8'/>",
};

// The Hebrew words are stored last letter first; the template "reverse" turns them into reading
// order, so that the browser lays them out right to left as Hebrew is read.
constexpr std::string_view kBody[] = {
    "<xsl:template name='reverse'>",
    "  <xsl:param name='text'/>",
    "  <xsl:if test='string-length($text) &gt; 0'>",
    "    <xsl:call-template name='reverse'>",
    "      <xsl:with-param name='text' select='substring($text, 2)'/>",
    "    </xsl:call-template>",
    "    <xsl:value-of select='substring($text, 1, 1)'/>",
    "  </xsl:if>",
    "</xsl:template>",
    "<xsl:template match='/'>",
    "  <html>",
    "  <head><title>Vocamir</title></head>",
    "  <body>",
    "    <table border='1' cellpadding='4' cellspacing='0'>",
    "      <tr><td colspan='4'>"
    "<xsl:value-of select='translate(Root/Day, $russianRead, $russianMeant)'/></td></tr>",
    "      <tr bgcolor='#999999' align='center'>",
    "        <th>Number</th>",
    "        <th>Russian</th>",
    "        <th>Hebrew</th>",
    "        <th>English</th>",
    "      </tr>",
    "      <xsl:for-each select='Root/Unit'>",
    "      <tr>",
    "        <td align='center'><xsl:value-of select='Num'/></td>",
    "        <td width='150'><font face='TRIVEL New' color='blue' size='4'>"
    "<xsl:value-of select='translate(WordRU/Item, $russianRead, $russianMeant)'/></font></td>",
    "        <td width='150' align='right' dir='rtl' lang='he'>"
    "<font face='TRIVEL New' color='green' size='4'>",
    "          <xsl:call-template name='reverse'>",
    "            <xsl:with-param name='text' "
    "select='translate(WordHE/Item, $hebrewRead, $hebrewMeant)'/>",
    "          </xsl:call-template>",
    "        </font></td>",
    "        <td width='150'><font face='TRIVEL New' color='red'>"
    "<xsl:value-of select='WordEN/Item'/></font></td>",
    "      </tr>",
    "      </xsl:for-each>",
    "    </table>",
    "  </body>",
    "  </html>",
    "</xsl:template>",
    "</xsl:stylesheet>",
};

void WriteLine(ByteSink& sink, std::string_view line) {
  sink.WriteText(line);
  sink.WriteText("\r\n");
}

}  // namespace

void WriteStylesheetText(ByteSink& sink) {
  for (std::string_view line : kHead) WriteLine(sink, line);
  const Mapping russian = MappingOf(text::Codepage::Win1251);
  const Mapping hebrew = MappingOf(text::Codepage::Win1255);
  WriteLine(sink, Variable("russianRead", russian.From));
  WriteLine(sink, Variable("russianMeant", russian.To));
  WriteLine(sink, Variable("hebrewRead", hebrew.From));
  WriteLine(sink, Variable("hebrewMeant", hebrew.To));
  for (std::string_view line : kBody) WriteLine(sink, line);
}

void WriteStylesheet(const QString& folder) {
  OutputFile file(QDir(folder).filePath(QString::fromLatin1(kStylesheetName)));
  WriteStylesheetText(file);
  file.Commit();
}

}  // namespace exchange
