#include "DictionaryGenerator.h"

#include <random>
#include <string>

#include "store/DataModul.h"
#include "store/Schema.h"

namespace bench {

namespace {

class WordMaker {
 public:
  explicit WordMaker(unsigned seed) : random_(seed) {}

  int Pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }
  bool Chance(double share) { return std::uniform_real_distribution<>(0, 1)(random_) < share; }

  // Letters from a byte range, `min` to `max` of them.
  std::string Letters(unsigned char first, unsigned char last, int min, int max) {
    std::string word;
    const int length = min + Pick(max - min + 1);
    for (int i = 0; i < length; ++i) word += static_cast<char>(first + Pick(last - first + 1));
    return word;
  }
  // Russian capitals А-Я.
  std::string Russian() { return Letters(0xC0, 0xDF, 3, 10); }
  // Hebrew letters in reading order.
  std::string Hebrew() { return Letters(0xE0, 0xFA, 2, 7); }
  std::string English() {
    std::string word = Letters('a', 'z', 3, 10);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
  }
  // A Cyrillic pronunciation hint with a stress mark after its second letter.
  std::string Hint() {
    std::string hint = Letters(0xE0, 0xFF, 2, 2);
    hint.push_back('<');
    hint.append(Letters(0xE0, 0xFF, 1, 7));
    return hint;
  }

 private:
  std::mt19937 random_;
};

std::string Reversed(std::string text) { return std::string(text.rbegin(), text.rend()); }

void Set(store::Table& table, const char* field, const std::string& value) {
  table.FieldByName(field).SetAsString(value);
}
void Set(store::Table& table, const char* field, int value) {
  table.FieldByName(field).SetAsInteger(value);
}

}  // namespace

void GenerateDictionary(TDataModul& module, const DictionaryOptions& options) {
  WordMaker maker(options.Seed);
  store::Table& ru = module.RUTable();
  store::Table& he = module.HETable();
  store::Table& en = module.ENTable();
  store::BulkTransaction bulk(ru);
  for (int meaning = 0; meaning < options.Meanings; ++meaning) {
    const bool verb = maker.Chance(options.VerbShare);
    // Every meaning with Part 1 is a verb with its forms; the others take any other part.
    constexpr int kOtherParts[] = {0, 2, 2, 2, 3, 4, 5};
    const int part = verb ? 1 : kOtherParts[maker.Pick(7)];
    const int topic = maker.Pick(15);
    const std::string mark = maker.Chance(options.MarkedShare) ? "*" : "";

    ru.Insert();
    Set(ru, "Item", maker.Russian());
    Set(ru, "RussianSpeech", maker.Hint());
    Set(ru, "Select", mark);
    Set(ru, "Sex", maker.Pick(4));
    Set(ru, "Part", part);
    Set(ru, "Topic", topic);
    ru.Post();
    const int idRu = ru.FieldByName("Id").AsInteger();

    const std::string reading = maker.Hebrew();
    const std::string root = verb ? reading.substr(0, 3) : "";
    he.Insert();
    Set(he, "Item", Reversed(reading));
    Set(he, "Item_Invert", reading);
    Set(he, "Root", Reversed(root));
    Set(he, "Root_Invert", root);
    Set(he, "idRU", idRu);
    Set(he, "HebrSpeech", maker.Hint());
    Set(he, "Sex", maker.Pick(3));
    Set(he, "Part", part);
    Set(he, "Binyan", verb ? 1 + maker.Pick(7) : 0);
    Set(he, "Topic", topic);
    Set(he, "Select", mark);
    he.Post();
    const int idHe = he.FieldByName("id").AsInteger();

    en.Insert();
    Set(en, "Item", maker.English());
    Set(en, "idRU", idRu);
    Set(en, "idHE", idHe);
    Set(en, "EnglishSpeech", "");
    Set(en, "Sex", maker.Pick(3));
    Set(en, "Part", part);
    Set(en, "Topic", topic);
    Set(en, "Select", mark);
    en.Post();
    const int idEn = en.FieldByName("id").AsInteger();

    ru.Edit();
    Set(ru, "IdHE", idHe);
    Set(ru, "IdEN", idEn);
    ru.Post();
    he.Edit();
    Set(he, "idEN", idEn);
    he.Post();

    if (!verb) continue;
    module.NekudotTable().Insert();
    module.GLTABLE().Insert();
    for (int form = 1; form <= store::schema::kVerbFormCount; ++form) {
      module.NekudotTable().Fields(form).SetAsString(maker.Hint());
      module.GLTABLE().Fields(form).SetAsString(Reversed(root + maker.Letters(0xE0, 0xFA, 1, 3)));
    }
    module.NekudotTable().Post();
    Set(module.GLTABLE(), "IdHE", idHe);
    Set(module.GLTABLE(), "IdNekudot", module.NekudotTable().FieldByName("Id").AsInteger());
    module.GLTABLE().Post();
  }
  bulk.Commit();
}

void GenerateDictionaryFolder(const std::filesystem::path& workingDirectory,
                              const DictionaryOptions& options) {
  std::filesystem::create_directories(workingDirectory / "data");
  TDataModul module(workingDirectory);
  module.DataModuleCreate();
  GenerateDictionary(module, options);
  module.DataModuleDestroy();
}

}  // namespace bench
