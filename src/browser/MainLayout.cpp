#include "browser/MainLayout.h"

namespace browser {

MainLayout ComputeMainLayout(int width, int height) {
  MainLayout layout;
  layout.pageControlWidth = width - 4;
  layout.pageControlHeight = height - 91;
  layout.themeLeft = width - 318;
  layout.deselectLeft = width - 97;
  layout.gridWidth = width - 23;
  layout.gridHeight = height - 192;
  layout.wordColumnWidth = width - 116;
  layout.searchWidth = width - 23;
  layout.hebrewWordWidth = width - 228;
  layout.soundBarWidth = width - 105;
  layout.modeBarWidth = width - 5;
  layout.childWindow = {0, 0, width - 10, height - 80};
  return layout;
}

}  // namespace browser
