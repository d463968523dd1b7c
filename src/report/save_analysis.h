// The two files "データ保存" writes after the three tables: stem.xlsx, then
// stem.pdf, each replacing an older file only once complete.
#pragma once

#include <vector>

#include "match.h"
#include "save_error.h"

class FileFaults;

// Stops at the first failure with a SaveError: a file finished before it
// stays written, the one that failed keeps its older contents. Called
// once saveMatch has written the three tables, so a failure here never
// costs them. A QGuiApplication must be alive for the report. `written`
// receives the identity of each file once it has replaced the older one,
// also when a later file fails, so the match can count them as its own.
void saveAnalysisFiles(const Match& m, FileFaults* faults = nullptr,
                       std::vector<SavedFile>* written = nullptr);
