#pragma once

// The arithmetic of the main window's layout: where the pages, grids, search boxes, tool bars,
// theme list, status bar panels and child windows go for a window of width W and height H.
// Only the quantities the window derives from its size are here; the rest (heights of the rows,
// margins) are constants of the window.

namespace browser {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct MainLayout {
  int pageControlWidth = 0;   // W - 4
  int pageControlHeight = 0;  // H - 91
  int themeLeft = 0;          // W - 318
  int deselectLeft = 0;       // W - 97
  int gridWidth = 0;          // W - 23, all three grids
  int gridHeight = 0;         // H - 192
  int wordColumnWidth = 0;    // W - 116
  int searchWidth = 0;        // W - 23, Edit3 and Edit1
  int hebrewWordWidth = 0;    // W - 228, Memo1
  int soundBarWidth = 0;      // W - 105, MenuSound
  int modeBarWidth = 0;       // W - 5, Menu2, Menu3, Menu5
  Rect childWindow;           // the lesson list and game windows: 0, 0, W - 10, H - 80
};

MainLayout ComputeMainLayout(int width, int height);

}  // namespace browser
