#include "workbook.h"

#include "figures.h"
#include "replacing_file.h"
#include "workbook_sheets.h"

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
  file.commit();
}
