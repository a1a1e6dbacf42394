#include "dictionary/WordFields.h"

#include "dictionary/MeaningFields.h"
#include "store/DataModul.h"

namespace dictionary {

WordFields::WordFields(TDataModul& data)
    : Russian{data.RUTable().FieldByName(kKeyField),
              data.RUTable().FieldByName("Item"),
              data.RUTable().FieldByName(kRussianLinks.toHebrew),
              data.RUTable().FieldByName(kRussianLinks.toEnglish),
              data.RUTable().FieldByName("RussianSpeech"),
              data.RUTable().FieldByName("Sex"),
              data.RUTable().FieldByName("Part"),
              data.RUTable().FieldByName("Topic"),
              data.RUTable().FieldByName(kMarkField)},
      Hebrew{data.HETable().FieldByName(kKeyField),
             data.HETable().FieldByName("Item"),
             data.HETable().FieldByName("Item_Invert"),
             data.HETable().FieldByName("Root"),
             data.HETable().FieldByName("Root_Invert"),
             data.HETable().FieldByName(kHebrewLinks.toRussian),
             data.HETable().FieldByName(kHebrewLinks.toEnglish),
             data.HETable().FieldByName("HebrSpeech"),
             data.HETable().FieldByName("Sex"),
             data.HETable().FieldByName("Part"),
             data.HETable().FieldByName("Binyan"),
             data.HETable().FieldByName("Topic"),
             data.HETable().FieldByName(kMarkField)},
      English{data.ENTable().FieldByName(kKeyField),
              data.ENTable().FieldByName("Item"),
              data.ENTable().FieldByName(kEnglishLinks.toRussian),
              data.ENTable().FieldByName(kEnglishLinks.toHebrew),
              data.ENTable().FieldByName("EnglishSpeech"),
              data.ENTable().FieldByName("Sex"),
              data.ENTable().FieldByName("Part"),
              data.ENTable().FieldByName("Topic"),
              data.ENTable().FieldByName(kMarkField)},
      Verb{data.GLTABLE().FieldByName(kFormsToPronunciation),
           data.NekudotTable().FieldByName(kPronunciationKey)} {}

int CodeOf(const store::Field& field) { return field.IsNull() ? 0 : field.AsInteger(); }

void SetText(store::Field field, std::string_view value) {
  if (value.empty()) {
    field.Clear();
  } else {
    field.SetAsString(value);
  }
}

}  // namespace dictionary
