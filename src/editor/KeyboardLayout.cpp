#include "editor/KeyboardLayout.h"

#include <array>

namespace editor {
namespace {

// The keys that carry a Russian letter: the US character and the Russian one, unshifted and
// shifted.
struct KeyPair {
  char16_t latin;
  char16_t cyrillic;
};

constexpr std::array<KeyPair, 66> kKeys = {{
    {u'q', u'й'}, {u'w', u'ц'}, {u'e', u'у'}, {u'r', u'к'}, {u't', u'е'},  {u'y', u'н'},
    {u'u', u'г'}, {u'i', u'ш'}, {u'o', u'щ'}, {u'p', u'з'}, {u'[', u'х'},  {u']', u'ъ'},
    {u'a', u'ф'}, {u's', u'ы'}, {u'd', u'в'}, {u'f', u'а'}, {u'g', u'п'},  {u'h', u'р'},
    {u'j', u'о'}, {u'k', u'л'}, {u'l', u'д'}, {u';', u'ж'}, {u'\'', u'э'}, {u'z', u'я'},
    {u'x', u'ч'}, {u'c', u'с'}, {u'v', u'м'}, {u'b', u'и'}, {u'n', u'т'},  {u'm', u'ь'},
    {u',', u'б'}, {u'.', u'ю'}, {u'`', u'ё'}, {u'Q', u'Й'}, {u'W', u'Ц'},  {u'E', u'У'},
    {u'R', u'К'}, {u'T', u'Е'}, {u'Y', u'Н'}, {u'U', u'Г'}, {u'I', u'Ш'},  {u'O', u'Щ'},
    {u'P', u'З'}, {u'{', u'Х'}, {u'}', u'Ъ'}, {u'A', u'Ф'}, {u'S', u'Ы'},  {u'D', u'В'},
    {u'F', u'А'}, {u'G', u'П'}, {u'H', u'Р'}, {u'J', u'О'}, {u'K', u'Л'},  {u'L', u'Д'},
    {u':', u'Ж'}, {u'"', u'Э'}, {u'Z', u'Я'}, {u'X', u'Ч'}, {u'C', u'С'},  {u'V', u'М'},
    {u'B', u'И'}, {u'N', u'Т'}, {u'M', u'Ь'}, {u'<', u'Б'}, {u'>', u'Ю'},  {u'~', u'Ё'},
}};

}  // namespace

bool KeyboardLayout::Activate(std::string_view name) {
  if (name == kLayoutRussian) {
    active_ = Script::Russian;
  } else if (name == kLayoutUsEnglish) {
    active_ = Script::UsEnglish;
  } else {
    return false;
  }
  return true;
}

char16_t KeyboardLayout::Translate(char16_t typed) const {
  for (const KeyPair& key : kKeys) {
    if (active_ == Script::Russian && typed == key.latin) return key.cyrillic;
    if (active_ == Script::UsEnglish && typed == key.cyrillic) return key.latin;
  }
  return typed;
}

char16_t HintCharacter(char16_t typed) { return typed == u'\\' ? u'<' : typed; }

std::optional<char16_t> HintKey(const KeyboardLayout& layout, char16_t typed,
                                text::Codepage codepage) {
  const char16_t mapped = HintCharacter(layout.Translate(typed));
  if (!text::UnicodeToByte(mapped, codepage)) return std::nullopt;
  return mapped;
}

}  // namespace editor
