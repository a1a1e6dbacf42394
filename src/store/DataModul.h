#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "store/DataSource.h"
#include "store/Table.h"

namespace store {
class FolderLock;
class SqlitePersistence;
}  // namespace store

// The data module: the six tables of the program and their data sources. It lives from start-up
// to the end of the program; every window reaches the tables through it.
//
// The tables live in the folder `data` below the working directory given at construction, in the
// database file data/vocamir.db. Only one running program may own a data folder at a time.
class TDataModul {
 public:
  // Creates the tables closed and binds each data source to its table. Touches no file.
  explicit TDataModul(std::filesystem::path workingDirectory);
  // Stores every pending edit that was changed (never drops one), then closes the tables and
  // releases the folder. A failure there is written to standard error; call DataModuleDestroy
  // first to see it as an exception.
  ~TDataModul();
  TDataModul(const TDataModul&) = delete;
  TDataModul& operator=(const TDataModul&) = delete;

  // Takes the data folder, then opens RUWORDS, ENWORDS, Hewords, SELEWORDS, GLTABLE, NEKUDOT in
  // this order; each opens on its default order (SELEWORDS on `AndestandTwo`), unfiltered.
  // Throws FolderInUseError ("The dictionary in <folder> is already in use by another running
  // Vocamir.") when another program owns the folder: nothing is opened, the caller ends the
  // program. Throws Error with the text of the first table that cannot be opened: that table and
  // the ones after it stay closed, the ones before it stay open. A missing data folder is the
  // error of RUWORDS (the folder is never created here). A missing database file in an existing
  // folder is created with empty tables. Call once.
  //
  // A folder or database file this process may not write is opened read-only: everything can be
  // read, and every write (a table's Edit, Insert, Delete, a bulk transaction, a write unit) throws
  // store::ReadOnlyError with the text ReadOnly() gives, before anything changes.
  void DataModuleCreate();
  // "The dictionary in <folder> is read-only: <why>. ..." while the dictionary is open read-only;
  // nothing otherwise.
  const std::optional<std::string>& ReadOnly() const { return readOnly_; }
  // Builds the indexes the searches of the three word tables use ahead of their first use, so the
  // first search costs no more than later ones (see store::Table::BuildIndex). No effect on
  // closed tables.
  void BuildWordIndexes();
  // Stores every changed pending edit, closes the tables and releases the folder. Tries every
  // table; throws the first Error met. Later calls have no effect.
  void DataModuleDestroy();

  // The data folder: <working directory>/data.
  const std::filesystem::path& DataFolder() const { return dataFolder_; }

 private:
  void OpenTables();

  std::filesystem::path dataFolder_;
  std::unique_ptr<store::FolderLock> lock_;
  std::unique_ptr<store::SqlitePersistence> database_;
  std::optional<std::string> readOnly_;

 public:
  // The tables and their data sources, in the order of the data module.
  store::Table& RUTable() { return ruTable_; }
  store::DataSource& DSRU() { return dsRU_; }
  store::Table& HETable() { return heTable_; }
  store::DataSource& DSHE() { return dsHE_; }
  store::Table& ENTable() { return enTable_; }
  store::DataSource& DSEN() { return dsEN_; }
  store::Table& SelWordTable() { return selWordTable_; }
  store::DataSource& DSSel() { return dsSel_; }
  store::Table& GLTABLE() { return glTable_; }
  store::DataSource& DSGLTABLE() { return dsGLTABLE_; }
  store::DataSource& DSNekudot() { return dsNekudot_; }
  store::Table& NekudotTable() { return nekudotTable_; }

 private:
  // Each table is constructed before the data source bound to it.
  store::Table ruTable_;
  store::DataSource dsRU_;
  store::Table heTable_;
  store::DataSource dsHE_;
  store::Table enTable_;
  store::DataSource dsEN_;
  store::Table selWordTable_;
  store::DataSource dsSel_;
  store::Table glTable_;
  store::DataSource dsGLTABLE_;
  store::Table nekudotTable_;
  store::DataSource dsNekudot_;
};
