#include <iostream>

#include "store/SqlitePersistence.h"
#include "store/Table.h"

namespace store {

BulkTransaction::BulkTransaction(Table& anyTableOfTheDatabase)
    : database_(&anyTableOfTheDatabase.Database()) {
  database_->BeginBulk();
}

BulkTransaction::~BulkTransaction() {
  if (done_) return;
  try {
    Commit();
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
  }
}

void BulkTransaction::Commit() {
  if (done_) return;
  done_ = true;
  database_->CommitBulk();
}

}  // namespace store
