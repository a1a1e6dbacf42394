#include <iostream>

#include "store/Error.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"
#include "store/WriteUnit.h"

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
  try {
    database_->CommitBulk();
  } catch (const Error&) {
    // Every write of the transaction is undone in the database: the tables must not go on
    // showing them.
    WriteUnit::RereadAll(*database_);
    throw;
  }
}

}  // namespace store
