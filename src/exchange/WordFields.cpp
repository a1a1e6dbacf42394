#include "exchange/WordFields.h"

#include "store/DataModul.h"

namespace exchange {

WordFields::WordFields(TDataModul& data)
    : Russian{data.RUTable.FieldByName("Id"),
              data.RUTable.FieldByName("Item"),
              data.RUTable.FieldByName("IdHE"),
              data.RUTable.FieldByName("IdEN"),
              data.RUTable.FieldByName("RussianSpeech"),
              data.RUTable.FieldByName("Sex"),
              data.RUTable.FieldByName("Part"),
              data.RUTable.FieldByName("Topic"),
              data.RUTable.FieldByName("Select")},
      Hebrew{data.HETable.FieldByName("id"),          data.HETable.FieldByName("Item"),
             data.HETable.FieldByName("Item_Invert"), data.HETable.FieldByName("Root"),
             data.HETable.FieldByName("Root_Invert"), data.HETable.FieldByName("idRU"),
             data.HETable.FieldByName("idEN"),        data.HETable.FieldByName("HebrSpeech"),
             data.HETable.FieldByName("Sex"),         data.HETable.FieldByName("Part"),
             data.HETable.FieldByName("Binyan"),      data.HETable.FieldByName("Topic"),
             data.HETable.FieldByName("Select")},
      English{data.ENTable.FieldByName("id"),
              data.ENTable.FieldByName("Item"),
              data.ENTable.FieldByName("idRU"),
              data.ENTable.FieldByName("idHE"),
              data.ENTable.FieldByName("EnglishSpeech"),
              data.ENTable.FieldByName("Sex"),
              data.ENTable.FieldByName("Part"),
              data.ENTable.FieldByName("Topic"),
              data.ENTable.FieldByName("Select")},
      Verb{data.GLTABLE.FieldByName("IdHE"), data.GLTABLE.FieldByName("IdNekudot"),
           data.NekudotTable.FieldByName("Id")} {}

int CodeOf(const store::Field& field) { return field.IsNull() ? 0 : field.AsInteger(); }

void SetText(store::Field field, std::string_view value) {
  if (value.empty()) {
    field.Clear();
  } else {
    field.SetAsString(value);
  }
}

}  // namespace exchange
