#include "store/DataModul.h"

#include "store/FolderLock.h"
#include "store/Schema.h"
#include "store/SqlitePersistence.h"

TDataModul::TDataModul(std::filesystem::path workingDirectory)
    : dataFolder_(std::move(workingDirectory) / "data"),
      RUTable(store::schema::RuWords()),
      HETable(store::schema::HeWords()),
      ENTable(store::schema::EnWords()),
      SelWordTable(store::schema::SeleWords()),
      GLTABLE(store::schema::GlTable()),
      NekudotTable(store::schema::Nekudot()) {}

TDataModul::~TDataModul() = default;
void TDataModul::DataModuleCreate() { throw store::Error("The table store is not built yet."); }
void TDataModul::DataModuleDestroy() {}
