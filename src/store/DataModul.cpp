#include "store/DataModul.h"

#include <array>
#include <future>
#include <iostream>
#include <optional>
#include <system_error>

#include "store/FolderLock.h"
#include "store/Schema.h"
#include "store/SqlitePersistence.h"

namespace {

constexpr const char* kDataFolderName = "data";
constexpr const char* kDatabaseFileName = "vocamir.db";

// A table's stored records read ahead of opening it, or the error reading them met.
struct ReadAhead {
  std::vector<store::RecordPtr> Records;
  std::optional<store::Error> Failure;

  static ReadAhead Of(const store::Table& table, store::SqlitePersistence& database) {
    ReadAhead read;
    try {
      read.Records = store::Table::ReadStored(table.Definition(), database);
    } catch (const store::Error& error) {
      read.Failure = error;
    }
    return read;
  }
};

}  // namespace

TDataModul::TDataModul(std::filesystem::path workingDirectory)
    : dataFolder_(std::move(workingDirectory) / kDataFolderName),
      ruTable_(store::schema::RuWords()),
      heTable_(store::schema::HeWords()),
      enTable_(store::schema::EnWords()),
      selWordTable_(store::schema::SeleWords()),
      glTable_(store::schema::GlTable()),
      nekudotTable_(store::schema::Nekudot()) {
  dsRU_.SetDataSet(&ruTable_);
  dsHE_.SetDataSet(&heTable_);
  dsEN_.SetDataSet(&enTable_);
  dsSel_.SetDataSet(&selWordTable_);
  dsGLTABLE_.SetDataSet(&glTable_);
  dsNekudot_.SetDataSet(&nekudotTable_);
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
  const std::string& first = ruTable_.TableName();
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
  const std::filesystem::path file = dataFolder_ / kDatabaseFileName;
  std::optional<std::string> readOnlyReason = lock_->ReadOnlyReason();
  if (!readOnlyReason) readOnlyReason = store::WhyNotWritable(file);
  using Access = store::SqlitePersistence::Access;
  const Access access = lock_->ReadOnlyReason() ? Access::ReadOnlyFolder
                        : readOnlyReason        ? Access::ReadOnly
                                                : Access::ReadWrite;
  try {
    std::vector<std::string> names;
    for (const store::Table* table :
         {&ruTable_, &enTable_, &heTable_, &selWordTable_, &glTable_, &nekudotTable_}) {
      names.push_back(table->TableName());
    }
    database_ = std::make_unique<store::SqlitePersistence>(file, access, names);
  } catch (const store::Error& failure) {
    throw store::Error("Cannot open table " + first + ": " + failure.what());
  }
  if (readOnlyReason) {
    readOnly_ = "The dictionary in " + dataFolder_.string() + " is read-only: " + *readOnlyReason +
                ". It can be read, but nothing in it can be changed.";
    database_->RefuseWrites(*readOnly_);
  }
  OpenTables();
}

// Every table is prepared on the program's connection, in order; then the tables are read two at
// a time, the Hebrew and verb tables on a second thread over a read-only connection of its own
// while this thread reads the others, and opened in order. Without a second connection every
// table is read here. The first table that fails ends the opening, as if read one by one.
void TDataModul::OpenTables() {
  const std::array<store::Table*, 6> tables = {&ruTable_,      &enTable_, &heTable_,
                                               &selWordTable_, &glTable_, &nekudotTable_};
  constexpr std::array<bool, 6> onSecondThread = {false, false, true, false, true, true};
  std::size_t prepared = 0;
  std::optional<store::Error> failure;
  for (; prepared < tables.size(); ++prepared) {
    try {
      store::Table::PrepareStored(tables[prepared]->Definition(), *database_);
    } catch (const store::Error& error) {
      failure = error;
      break;
    }
  }
  std::vector<ReadAhead> read(prepared);
  const auto readOn = [&](store::SqlitePersistence& database, bool second) {
    for (std::size_t i = 0; i < prepared; ++i) {
      if (onSecondThread[i] == second) read[i] = ReadAhead::Of(*tables[i], database);
    }
  };
  std::future<bool> secondThread;
  try {
    secondThread = std::async(std::launch::async, [&] {
      try {
        using Access = store::SqlitePersistence::Access;
        store::SqlitePersistence reader(database_->File(), database_->Mode() == Access::ReadWrite
                                                               ? Access::ReadOnly
                                                               : database_->Mode());
        readOn(reader, true);
        return true;
      } catch (const store::Error&) {
        return false;
      }
    });
  } catch (const std::system_error&) {
    // No thread to be had: everything is read here.
  }
  readOn(*database_, false);
  if (!secondThread.valid() || !secondThread.get()) readOn(*database_, true);
  for (std::size_t i = 0; i < prepared; ++i) {
    if (read[i].Failure) throw *read[i].Failure;
    tables[i]->Open(*database_, std::move(read[i].Records));
  }
  if (failure) throw *failure;
}

void TDataModul::BuildWordIndexes() {
  ruTable_.BuildIndex("item_index");
  heTable_.BuildIndex("invert_index");
  heTable_.BuildIndex("Root_index");
  enTable_.BuildIndex("item_index");
}

void TDataModul::DataModuleDestroy() {
  std::optional<store::Error> firstError;
  for (store::Table* table :
       {&ruTable_, &enTable_, &heTable_, &selWordTable_, &glTable_, &nekudotTable_}) {
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
