// "データ保存": the shot file, the table file and the list file, named after
// the match's file stem and written one after another.
#pragma once

#include "match.h"
#include "save_error.h"

class FileFaults;

// Each table is built and its file written and closed before the next table
// is built. Stops at the first failure with a SaveError; files finished
// before it stay written, and the file that failed keeps its older contents.
// The match is only read: the caller marks it saved once this returns.
void saveMatch(const Match& m, FileFaults* faults = nullptr);
