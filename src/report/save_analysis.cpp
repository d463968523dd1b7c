#include "save_analysis.h"

#include "identify.h"
#include "report.h"
#include "saved_names.h"
#include "workbook.h"

void saveAnalysisFiles(const Match& m, FileFaults* faults, std::vector<SavedFile>* written) {
  const std::vector<std::string> names = analysisFileNames(m.fileStem);
  auto wrote = [&](const std::string& name) {
    if (!written) return;
    if (auto file = savedFile(name)) written->push_back(*file);
  };
  writeWorkbook(m, names[0], faults);
  wrote(names[0]);
  writeReport(m, names[1], faults);
  wrote(names[1]);
}
