<?xml version='1.0'?>
<!-- Vocamir dictionary view -->
<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>
<xsl:output method='html' encoding='UTF-8'/>
<xsl:variable name='russianRead'>&#xA1;&#xA2;&#xA3;&#xA5;&#xA8;&#xAA;&#xAF;&#xB2;&#xB3;&#xB4;&#xB8;&#xB9;&#xBA;&#xBC;&#xBD;&#xBE;&#xBF;&#xC0;&#xC1;&#xC2;&#xC3;&#xC4;&#xC5;&#xC6;&#xC7;&#xC8;&#xC9;&#xCA;&#xCB;&#xCC;&#xCD;&#xCE;&#xCF;&#xD0;&#xD1;&#xD2;&#xD3;&#xD4;&#xD5;&#xD6;&#xD7;&#xD8;&#xD9;&#xDA;&#xDB;&#xDC;&#xDD;&#xDE;&#xDF;&#xE0;&#xE1;&#xE2;&#xE3;&#xE4;&#xE5;&#xE6;&#xE7;&#xE8;&#xE9;&#xEA;&#xEB;&#xEC;&#xED;&#xEE;&#xEF;&#xF0;&#xF1;&#xF2;&#xF3;&#xF4;&#xF5;&#xF6;&#xF7;&#xF8;&#xF9;&#xFA;&#xFB;&#xFC;&#xFD;&#xFE;&#xFF;</xsl:variable>
<xsl:variable name='russianMeant'>&#x40E;&#x45E;&#x408;&#x490;&#x401;&#x404;&#x407;&#x406;&#x456;&#x491;&#x451;&#x2116;&#x454;&#x458;&#x405;&#x455;&#x457;&#x410;&#x411;&#x412;&#x413;&#x414;&#x415;&#x416;&#x417;&#x418;&#x419;&#x41A;&#x41B;&#x41C;&#x41D;&#x41E;&#x41F;&#x420;&#x421;&#x422;&#x423;&#x424;&#x425;&#x426;&#x427;&#x428;&#x429;&#x42A;&#x42B;&#x42C;&#x42D;&#x42E;&#x42F;&#x430;&#x431;&#x432;&#x433;&#x434;&#x435;&#x436;&#x437;&#x438;&#x439;&#x43A;&#x43B;&#x43C;&#x43D;&#x43E;&#x43F;&#x440;&#x441;&#x442;&#x443;&#x444;&#x445;&#x446;&#x447;&#x448;&#x449;&#x44A;&#x44B;&#x44C;&#x44D;&#x44E;&#x44F;</xsl:variable>
<xsl:variable name='hebrewRead'>&#xA4;&#xAA;&#xBA;&#xC0;&#xC1;&#xC2;&#xC3;&#xC4;&#xC5;&#xC6;&#xC7;&#xC8;&#xC9;&#xCA;&#xCB;&#xCC;&#xCD;&#xCE;&#xCF;&#xD0;&#xD1;&#xD2;&#xD3;&#xD4;&#xD5;&#xD6;&#xD7;&#xD8;&#xE0;&#xE1;&#xE2;&#xE3;&#xE4;&#xE5;&#xE6;&#xE7;&#xE8;&#xE9;&#xEA;&#xEB;&#xEC;&#xED;&#xEE;&#xEF;&#xF0;&#xF1;&#xF2;&#xF3;&#xF4;&#xF5;&#xF6;&#xF7;&#xF8;&#xF9;&#xFA;&#xFD;&#xFE;</xsl:variable>
<xsl:variable name='hebrewMeant'>&#x20AA;&#xD7;&#xF7;&#x5B0;&#x5B1;&#x5B2;&#x5B3;&#x5B4;&#x5B5;&#x5B6;&#x5B7;&#x5B8;&#x5B9;&#x5BA;&#x5BB;&#x5BC;&#x5BD;&#x5BE;&#x5BF;&#x5C0;&#x5C1;&#x5C2;&#x5C3;&#x5F0;&#x5F1;&#x5F2;&#x5F3;&#x5F4;&#x5D0;&#x5D1;&#x5D2;&#x5D3;&#x5D4;&#x5D5;&#x5D6;&#x5D7;&#x5D8;&#x5D9;&#x5DA;&#x5DB;&#x5DC;&#x5DD;&#x5DE;&#x5DF;&#x5E0;&#x5E1;&#x5E2;&#x5E3;&#x5E4;&#x5E5;&#x5E6;&#x5E7;&#x5E8;&#x5E9;&#x5EA;&#x200E;&#x200F;</xsl:variable>
<xsl:template name='reverse'>
  <xsl:param name='text'/>
  <xsl:if test='string-length($text) &gt; 0'>
    <xsl:call-template name='reverse'>
      <xsl:with-param name='text' select='substring($text, 2)'/>
    </xsl:call-template>
    <xsl:value-of select='substring($text, 1, 1)'/>
  </xsl:if>
</xsl:template>
<xsl:template match='/'>
  <html>
  <head><title>Vocamir</title></head>
  <body>
    <table border='1' cellpadding='4' cellspacing='0'>
      <tr><td colspan='4'><xsl:value-of select='translate(Root/Day, $russianRead, $russianMeant)'/></td></tr>
      <tr bgcolor='#999999' align='center'>
        <th>Number</th>
        <th>Russian</th>
        <th>Hebrew</th>
        <th>English</th>
      </tr>
      <xsl:for-each select='Root/Unit'>
      <tr>
        <td align='center'><xsl:value-of select='Num'/></td>
        <td width='150'><font face='TRIVEL New' color='blue' size='4'><xsl:value-of select='translate(WordRU/Item, $russianRead, $russianMeant)'/></font></td>
        <td width='150' align='right' dir='rtl' lang='he'><font face='TRIVEL New' color='green' size='4'>
          <xsl:call-template name='reverse'>
            <xsl:with-param name='text' select='translate(WordHE/Item, $hebrewRead, $hebrewMeant)'/>
          </xsl:call-template>
        </font></td>
        <td width='150'><font face='TRIVEL New' color='red'><xsl:value-of select='WordEN/Item'/></font></td>
      </tr>
      </xsl:for-each>
    </table>
  </body>
  </html>
</xsl:template>
</xsl:stylesheet>
