#include "save_analysis.h"

#include "report.h"
#include "workbook.h"

void saveAnalysisFiles(const Match& m, FileFaults* faults) {
  writeWorkbook(m, m.fileStem + ".xlsx", faults);
  writeReport(m, m.fileStem + ".pdf", faults);
}
