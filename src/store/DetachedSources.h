#pragma once

// Unbinds data sources from their tables while it lives (by default the three word tables'), so
// that the many cursor moves and posts of a long run (an export or import, a command over a whole
// table) are not followed, one by one, by every grid bound to them (which made a large import with
// the main window open many times slower). When it ends each source is bound again to its table
// with the columns it had; the grids then show the rows and current records as the run left them.
// Meanwhile the grids show no rows.

#include <initializer_list>
#include <utility>
#include <vector>

#include "store/DataSource.h"

class TDataModul;

namespace store {

class DetachedSources {
 public:
  // The three word tables' sources.
  explicit DetachedSources(TDataModul& data);
  // The given sources, each unbound only while it shows its table.
  explicit DetachedSources(
      std::initializer_list<std::pair<store::DataSource*, store::Table*>> sources);
  ~DetachedSources();
  DetachedSources(const DetachedSources&) = delete;
  DetachedSources& operator=(const DetachedSources&) = delete;

 private:
  struct Binding {
    store::DataSource* Source;
    store::Table* Table;
    std::vector<store::DataSource::Column> Columns;
  };
  std::vector<Binding> Bindings;
};

}  // namespace store
