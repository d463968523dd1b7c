// "データ保存": the shot file, the table file and the list file, named after
// the match's file stem.
#pragma once

#include <string>
#include <vector>

#include "match.h"
#include "save_error.h"
#include "saved_names.h"

class FileFaults;

// All three files are written to temporary files and checked first; only
// then do they replace the older files, together. A failure before that
// (SaveError) leaves every older file as it was. The match is only read:
// the caller marks it saved, with the identities this returns.
std::vector<SavedFile> saveMatch(const Match& m, FileFaults* faults = nullptr);
