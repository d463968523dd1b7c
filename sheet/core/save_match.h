// "データ保存": the shot file, the table file and the list file, named after
// the stem in edit1 and written one after another.
#pragma once

#include "export_heads.h"
#include "match_model.h"
#include "save_error.h"

// Each table is built and its file written and closed before the next table
// is built. Stops at the first failure with a SaveError; files finished
// before it stay written, and the file that failed keeps its older contents.
// Clears m.unsaved only when all three files are written.
void saveMatch(MatchModel& m, const ExportHeads& heads);
