#include "store/SqlitePersistence.h"

#include "store/Error.h"

namespace store {

SqlitePersistence::SqlitePersistence(const std::filesystem::path& file) : file_(file) {
  throw Error("The table store is not built yet.");
}
SqlitePersistence::~SqlitePersistence() = default;

}  // namespace store
