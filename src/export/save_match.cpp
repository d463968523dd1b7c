#include "save_match.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>

#include "export_tables.h"
#include "replacing_file.h"
#include "table_file.h"

namespace {

constexpr int kShotFileLines = 401;
constexpr int kShotFileFields = 31;
constexpr int kLogFileFields = 21;

}  // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

std::optional<SavedFile> savedFile(const std::string& path) {
  const auto id = fileIdentity(path);
  if (!id) return std::nullopt;
  return SavedFile{path, *id};
}

std::vector<std::string> savedFileNames(const std::string& stem) {
  return {stem + "-shot-.xls", stem + "-table-.xls", stem + ".xls"};
}

std::vector<std::string> analysisFileNames(const std::string& stem) {
  return {stem + ".xlsx", stem + ".pdf"};
}

std::string matchCopyName(const std::string& stem) {
  return stem + kMatchFileExtension;
}

std::vector<SavedFile> saveMatch(const Match& m, FileFaults* faults) {
  const std::vector<std::string> names = savedFileNames(m.fileStem);
  const int logLines = logFileLineCount(m);
  // Each table is built and written before the next is built, so that only
  // one is held at a time.
  ReplacingFile shot(names[0], faults);
  writeTable(shot, shotTable(m), kShotFileLines, kShotFileFields, CellWords::Full);
  ReplacingFile table(names[1], faults);
  writeTable(table, eventLogTable(m), logLines, kLogFileFields, CellWords::Full);
  ReplacingFile list(names[2], faults);
  writeTable(list, playerTable(m), logLines, kLogFileFields, CellWords::Abbreviated);
  shot.commit();
  table.commit();
  list.commit();

  std::vector<SavedFile> written;
  for (const std::string& name : names)
    if (auto file = savedFile(name)) written.push_back(*file);
  return written;
}

std::vector<std::string> foreignTargets(const Match& m) {
  std::vector<std::string> names = savedFileNames(m.fileStem);
  for (std::string& name : analysisFileNames(m.fileStem)) names.push_back(std::move(name));
  names.push_back(matchCopyName(m.fileStem));
  std::vector<std::string> foreign;
  for (const std::string& name : names) {
    const auto id = fileIdentity(name);
    if (id && !m.wroteFile(*id)) foreign.push_back(name);
  }
  return foreign;
}
