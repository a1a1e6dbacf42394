#include "review/GameGrade.h"

namespace review {

Grade GradeOfEntry(int countedPresses, int misses) {
  if (misses == 0) return Grade::Good;
  return misses * 4 <= countedPresses ? Grade::Hard : Grade::Again;
}

}  // namespace review
