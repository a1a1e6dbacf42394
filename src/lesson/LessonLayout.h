#pragma once

// The arithmetic of the lesson list window's layout for a window of width W and height H: the
// grid, its three columns, the large display and the option controls whose places follow the
// columns. The heights of the rows are constants of the window.

namespace lesson {

struct LessonLayout {
  int gridWidth = 0;       // W - 20
  int gridHeight = 0;      // H - 108
  int columnWidth = 0;     // each of the three: grid width / 3 - 14
  int displayWidth = 0;    // MShow: W - 20
  int modeLeft = 0;        // CBReg: W - 405
  int modeLabelLeft = 0;   // Label6: 56 left of CBReg
  int hebrewBoxLeft = 0;   // CBSoundHE: first column's width + 30
  int englishBoxLeft = 0;  // CBSoundEN: first and second columns' widths + 30
  int countGap = 10;       // EdHE and EdEN: this far right of their check boxes
};

LessonLayout ComputeLessonLayout(int width, int height);

}  // namespace lesson
