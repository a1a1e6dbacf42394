#include "exchange/Stylesheet.h"

#include <QDir>
#include <string_view>

#include "exchange/OutputFile.h"

namespace exchange {
namespace {

constexpr std::string_view kLines[] = {
    "<!-- ////////// Vocamir dictionary view //////////// -->  ",
    "<?xml version='1.0'?>",
    "<xsl:stylesheet xmlns:xsl='http://www.w3.org/TR/WD-xsl'>",
    "<xsl:template match='/'>",
    "  <html>",
    "  <body>",
    "    <table border='1' cellpadding='4' cellspacing='0'>",
    "      <tr><xsl:value-of select='Root/Day'/></tr>",
    "      <tr bgcolor='#999999' align='center'>",
    "        <th>Number</th>",
    "        <th>Russian</th>",
    "        <th>Hebrew</th>",
    "        <th>English</th>",
    "      </tr>",
    "      <xsl:for-each select='Root/Unit'>",
    "      <tr>",
    "        <td align='center'><xsl:value-of select='Num'/></td>",
    "        <td width = '150' ><FONT face='TRIVEL New' color='blue' size='4'>"
    "<xsl:value-of select='WordRU/Item'/></FONT></td>",
    "        <td width = '150' align='right'><FONT face='TRIVEL New' color='green' size='4'>"
    "<xsl:value-of select='WordHE/Item'/></FONT></td>",
    "        <td width = '150' ><FONT face='TRIVEL New' color='red' >"
    "<xsl:value-of select='WordEN/Item'/></FONT></td>",
    "      </tr>",
    "      </xsl:for-each>",
    "    </table>",
    "  </body>",
    "  </html>",
    "</xsl:template>",
    "</xsl:stylesheet>",
    "<!-- //////////////////////////////////////// -->  ",
};
static_assert(std::size(kLines) == 28);

}  // namespace

void WriteStylesheetText(ByteSink& sink) {
  for (std::string_view line : kLines) {
    sink.WriteText(line);
    sink.WriteText("\r\n");
  }
}

void WriteStylesheet(const QString& folder) {
  OutputFile file(QDir(folder).filePath(QString::fromLatin1(kStylesheetName)));
  WriteStylesheetText(file);
  file.Commit();
}

}  // namespace exchange
