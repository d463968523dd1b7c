#include "match_save.h"

#include <vector>

#include "cp932_losses.h"
#include "save_analysis.h"
#include "save_match.h"

bool MatchSave::run(Match& m) const {
  // Files this match did not write may be another match's: ask first.
  const std::vector<std::string> foreign = foreignTargets(m);
  if (!foreign.empty()) {
    std::string names;
    for (const std::string& name : foreign) names += (names.empty() ? "" : "、") + name;
    const std::string question = "ファイル " + names + " が既にあります。上書きしますか?";
    if (!askOverwrite || !askOverwrite(question)) return false;
  }
  m.markSaved(saveMatch(m, faults));
  // The notice concerns the three tables, which are written now.
  const std::string lost = cp932LossNotice(m);
  if (!lost.empty() && showNotice) showNotice(lost);
  // Then the workbook and the report; a failure there goes to the error
  // box, and the files finished before it count as this match's.
  std::vector<SavedFile> written;
  try {
    saveAnalysisFiles(m, faults, &written);
  } catch (const SaveError&) {
    m.markSaved(written);
    if (copyMatch) copyMatch();
    throw;
  }
  m.markSaved(written);
  // Last, so that the copy knows every file this save wrote.
  if (copyMatch) copyMatch();
  return true;
}
