#include "store/DataModul.h"

#include <iostream>
#include <optional>
#include <system_error>

#include "store/FolderLock.h"
#include "store/Schema.h"
#include "store/SqlitePersistence.h"

namespace {

constexpr const char* kDataFolderName = "data";
constexpr const char* kDatabaseFileName = "vocamir.db";

}  // namespace

TDataModul::TDataModul(std::filesystem::path workingDirectory)
    : dataFolder_(std::move(workingDirectory) / kDataFolderName),
      RUTable(store::schema::RuWords()),
      HETable(store::schema::HeWords()),
      ENTable(store::schema::EnWords()),
      SelWordTable(store::schema::SeleWords()),
      GLTABLE(store::schema::GlTable()),
      NekudotTable(store::schema::Nekudot()) {
  DSRU.SetDataSet(&RUTable);
  DSHE.SetDataSet(&HETable);
  DSEN.SetDataSet(&ENTable);
  DSSel.SetDataSet(&SelWordTable);
  DSGLTABLE.SetDataSet(&GLTABLE);
  DSNekudot.SetDataSet(&NekudotTable);
}

TDataModul::~TDataModul() {
  try {
    DataModuleDestroy();
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
  }
}

void TDataModul::DataModuleCreate() {
  // The first table opened carries the errors of the folder and of the database file.
  const std::string& first = RUTable.TableName();
  std::error_code error;
  if (!std::filesystem::is_directory(dataFolder_, error)) {
    const bool exists = std::filesystem::exists(dataFolder_, error);
    throw store::Error("Cannot open table " + first + ": " +
                       (exists ? dataFolder_.string() + " is not a folder."
                               : "the folder " + dataFolder_.string() + " does not exist."));
  }
  try {
    lock_ = std::make_unique<store::FolderLock>(dataFolder_);
  } catch (const store::FolderInUseError&) {
    throw;
  } catch (const store::Error& failure) {
    throw store::Error("Cannot open table " + first + ": " + failure.what());
  }
  try {
    std::vector<std::string> names;
    for (const store::Table* table :
         {&RUTable, &ENTable, &HETable, &SelWordTable, &GLTABLE, &NekudotTable}) {
      names.push_back(table->TableName());
    }
    database_ = std::make_unique<store::SqlitePersistence>(
        dataFolder_ / kDatabaseFileName, store::SqlitePersistence::Access::ReadWrite, names);
  } catch (const store::Error& failure) {
    throw store::Error("Cannot open table " + first + ": " + failure.what());
  }
  for (store::Table* table :
       {&RUTable, &ENTable, &HETable, &SelWordTable, &GLTABLE, &NekudotTable}) {
    table->Open(*database_);
  }
}

void TDataModul::DataModuleDestroy() {
  std::optional<store::Error> firstError;
  for (store::Table* table :
       {&RUTable, &ENTable, &HETable, &SelWordTable, &GLTABLE, &NekudotTable}) {
    try {
      table->Close();
    } catch (const store::Error& error) {
      if (!firstError) firstError = error;
      table->Cancel();
      table->Close();
    }
  }
  database_.reset();
  lock_.reset();
  if (firstError) throw *firstError;
}
