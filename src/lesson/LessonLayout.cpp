#include "lesson/LessonLayout.h"

namespace lesson {

LessonLayout ComputeLessonLayout(int width, int height) {
  LessonLayout layout;
  layout.gridWidth = width - 20;
  layout.gridHeight = height - 108;
  layout.columnWidth = layout.gridWidth / 3 - 14;
  layout.displayWidth = width - 20;
  layout.modeLeft = width - 405;
  layout.modeLabelLeft = layout.modeLeft - 56;
  layout.hebrewBoxLeft = layout.columnWidth + 30;
  layout.englishBoxLeft = 2 * layout.columnWidth + 30;
  return layout;
}

}  // namespace lesson
