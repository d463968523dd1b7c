// The analysis workbook (.xlsx) of a match: see workbook_sheets.h for what
// each sheet holds.
#pragma once

#include <string>

#include "match.h"
#include "save_error.h"

class FileFaults;

// Writes through a ReplacingFile: an older file at `path` is replaced only
// by a complete workbook. Throws SaveError.
void writeWorkbook(const Match& m, const std::string& path, FileFaults* faults = nullptr);
