// The captions that head the shot table's rows and columns. The windows read
// them from the court and keep-miss dialogs' buttons at the moment of saving,
// so a caption changed on a button reaches the saved table.
#pragma once

#include <array>
#include <string>

struct ExportHeads {
  std::array<std::string, 12> zone;      // goal zones 1..11, index 0 unused
  std::array<std::string, 11> location;  // court locations 1..10, index 0 unused
  std::array<std::string, 8> keepMiss;   // keep-miss kinds 1..7, index 0 unused
};

// The buttons' stored captions.
ExportHeads defaultExportHeads();
