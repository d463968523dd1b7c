#include "workbook.h"

#include <cerrno>
#include <fstream>

#include "figures.h"
#include "replacing_file.h"
#include "workbook_sheets.h"

namespace {

// A workbook is a zip archive, which ends with its end-of-directory record
// (22 bytes, no comment). Checked before the file replaces an older one, so
// a write the library did not notice failing never leaves a workbook cut short.
bool endsLikeAWorkbook(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in || in.tellg() < 22) return false;
  in.seekg(-22, std::ios::end);
  char record[4] = {};
  in.read(record, sizeof record);
  return in && std::string(record, 4) == std::string("PK\x05\x06", 4);
}

}  // namespace

void writeWorkbook(const Match& m, const std::string& path, FileFaults* faults) {
  const MatchFigures figures = matchFigures(m);
  ReplacingFile file(path, faults);
  XlsxBook book(file.tempPath(), path);
  book.setTitle(m.fileStem);
  writeSummarySheet(book, figures);
  writePlayerSheet(book, figures);
  writeShotSheet(book, figures);
  writeGoalkeeperSheet(book, figures);
  writeEventSheet(book, m);
  writeMatchFigureSheets(book, m, figures);
  book.close();
  if (!endsLikeAWorkbook(file.tempPath())) throw SaveError(EIO, path);
  file.commit();
}
