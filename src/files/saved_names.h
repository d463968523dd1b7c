// The names of the files a save writes, all made from the match's file
// stem: the three tables, the workbook and the report, and the match's copy.
#pragma once

#include <string>
#include <vector>

// The three tables' names, in the order they are written.
std::vector<std::string> savedFileNames(const std::string& stem);
// The two analysis files written after them: the workbook, then the report.
std::vector<std::string> analysisFileNames(const std::string& stem);

// The match file's name ends so, and so does its copy written beside the
// tables at each save.
inline constexpr const char* kMatchFileExtension = ".hbmatch";
std::string matchCopyName(const std::string& stem);

class Match;

// Target files, the three tables, the two analysis files and the match's
// copy, that exist but were not written by a save of this match: a save
// would replace another match's files, so the operator is asked first.
std::vector<std::string> foreignTargets(const Match& m);
