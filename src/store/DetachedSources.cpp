#include "store/DetachedSources.h"

#include <cstdio>
#include <exception>

#include "store/DataModul.h"

namespace store {

DetachedSources::DetachedSources(TDataModul& data)
    : DetachedSources({{&data.DSRU(), &data.RUTable()},
                       {&data.DSHE(), &data.HETable()},
                       {&data.DSEN(), &data.ENTable()}}) {}

DetachedSources::DetachedSources(
    std::initializer_list<std::pair<store::DataSource*, store::Table*>> sources) {
  for (const auto& [source, table] : sources) {
    if (source->DataSet() != table) continue;
    Bindings.push_back({source, table, source->Columns()});
    source->SetDataSet(nullptr);
  }
}

DetachedSources::~DetachedSources() {
  for (Binding& binding : Bindings) {
    binding.Source->SetDataSet(binding.Table);
    try {
      binding.Source->SetColumns(std::move(binding.Columns));
    } catch (const std::exception& error) {
      // The columns were read from this very table, so this cannot happen; a destructor cannot
      // report it otherwise.
      std::fprintf(stderr, "%s\n", error.what());
    }
  }
}

}  // namespace store
