// "データ保存": the shot file, the table file and the list file, named after
// the match's file stem.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "match.h"
#include "save_error.h"

class FileFaults;

// The three files' names, in the order they are written.
std::vector<std::string> savedFileNames(const std::string& stem);
// The two analysis files written after them: the workbook, then the report.
std::vector<std::string> analysisFileNames(const std::string& stem);

// The match file's name ends so, and so does its copy written beside the
// tables at each save.
inline constexpr const char* kMatchFileExtension = ".hbmatch";
std::string matchCopyName(const std::string& stem);

// The identity of the file at `path`, if a regular file is there.
std::optional<FileIdentity> fileIdentity(const std::string& path);
// `path` as a file a save has just written, if it is there.
std::optional<SavedFile> savedFile(const std::string& path);

// All three files are written to temporary files and checked first; only
// then do they replace the older files, together. A failure before that
// (SaveError) leaves every older file as it was. The match is only read:
// the caller marks it saved, with the identities this returns.
std::vector<SavedFile> saveMatch(const Match& m, FileFaults* faults = nullptr);

// Target files, the three tables, the two analysis files and the match's
// copy, that exist but
// were not written by a save of this match: a save would replace another
// match's files, so the operator is asked first.
std::vector<std::string> foreignTargets(const Match& m);
