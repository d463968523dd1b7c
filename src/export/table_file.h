// The layout of the three exported files: one line per table row, every
// cell's CP932 bytes followed by one TAB, CR LF after every line including
// the last; no byte-order mark, no quoting, no padding.
#pragma once

#include <string>

#include "text_table.h"

class FileFaults;
class ReplacingFile;

enum class CellWords {
  Full,         // the shot file and the table file
  Abbreviated,  // the list file: four plays written short, see listFileText
};

// "シュートミス", "保持ミス", "PT(獲得)" and "作戦タイム" as whole cells become
// "Sミス", "Kミス", "PT得" and "Time"; any other text is kept.
std::string listFileText(const std::string& cell);

// The bytes of row `row`, columns 0 to cols - 1, with its line end.
std::string tableLine(const TextTable& table, int row, int cols, CellWords words);

// Writes rows 0 to rows - 1 into `file` and finishes it, leaving the
// replacing of the older file to the caller; throws SaveError.
void writeTable(ReplacingFile& file, const TextTable& table, int rows, int cols, CellWords words);

// Writes rows 0 to rows - 1 through a ReplacingFile; throws SaveError.
void writeTableFile(const std::string& path, const TextTable& table, int rows, int cols,
                    CellWords words, FileFaults* faults = nullptr);
