#pragma once

// Deleting a meaning: its record on one page and the partners found by key.

#include "dictionary/WordTables.h"

namespace dictionary {

// The records of a meaning about to be deleted: the current record of the page's table, and the
// partners found by exact key on id_index (from Hebrew and English the Russian partner is looked
// up last). Finding them moves the partner tables.
struct DeletePlan {
  bool deleteRU = false;
  bool deleteHE = false;
  bool deleteEN = false;
};
DeletePlan FindMeaningToDelete(const WordTables& tables, Language language);

// Deletes the records of the plan, in the order Russian, Hebrew, English; each table loses its
// current record. The deletes are one write unit: when the database refuses one of them, none is
// made (the tables stand as before) and the error goes on; a crash leaves all or none.
void DeleteMeaning(const WordTables& tables, const DeletePlan& plan);

}  // namespace dictionary
