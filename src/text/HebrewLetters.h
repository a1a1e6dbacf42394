#pragma once

// How Hebrew letters are read when words are compared rather than shown: the vowel points do not
// count, and a final form is the same letter as its ordinary form. The Hebrew indexes and the
// typing game compare this way; stored and shown text keeps every byte.

namespace text {

// Whether a Windows-1255 byte is a vowel point or one of the marks set among them (0xC0 to 0xD2:
// sheva to sin dot, with dagesh, meteg, maqaf, rafe and paseq).
constexpr bool IsHebrewPoint(unsigned char byte) { return byte >= 0xC0 && byte <= 0xD2; }

// The ordinary letter of a Windows-1255 final form (ך ם ן ף ץ give כ מ נ פ צ); every other byte
// comes back unchanged. Each final form lies just below its letter in the code page.
constexpr unsigned char HebrewBaseLetter(unsigned char byte) {
  switch (byte) {
    case 0xEA:  // final kaf
    case 0xED:  // final mem
    case 0xEF:  // final nun
    case 0xF3:  // final pe
    case 0xF5:  // final tsadi
      return static_cast<unsigned char>(byte + 1);
    default:
      return byte;
  }
}

// Whether two Windows-1255 letters are the same letter, final forms read as their letters.
constexpr bool SameHebrewLetter(unsigned char a, unsigned char b) {
  return HebrewBaseLetter(a) == HebrewBaseLetter(b);
}

}  // namespace text
