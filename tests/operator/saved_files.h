// The three files of a save read back: their fixed layout of lines and
// fields, and that they agree with what the windows and logs hold.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "match.h"
#include "operator_rules.h"

// The shot file, the table file and the list file of a stem, in the order
// the save writes them.
std::vector<std::string> expectedFileNames(const std::string& stem);
// Those three, then the workbook and the report written after them.
std::vector<std::string> allFileNames(const std::string& stem);

// What a path holds now: its bytes and inode, or that it is absent. A file
// that a save replaced has a new inode, whatever its bytes.
struct FileState {
  bool exists = false;
  bool folder = false;
  ino_t inode = 0;
  std::string bytes;

  bool operator==(const FileState&) const = default;
};
FileState fileState(const std::string& path);

// The first thing wrong with a saved file, or "": `lines` lines of exactly
// `fields` TAB-ended fields, each line ended by CR LF and nothing else.
std::string layoutProblem(const std::string& bytes, int lines, int fields);

// Checks file `index` (0 shot, 1 table, 2 list) of a save with `stem`
// against its layout and against the logs and counts of the match.
std::string savedFileProblem(int index, const std::string& stem, const std::string& bytes,
                             const Match& m, const OperatorRules& rules);

// Names inside `folder` that are not in `expected`, such as a temporary
// file that a save left behind.
std::vector<std::string> unexpectedEntries(const std::string& folder,
                                           const std::vector<std::string>& expected);
