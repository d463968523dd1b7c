// "データ保存" from start to end, without the windows: the question when
// another match's files are in the way, the three tables, the notice of
// characters CP932 cannot hold, the workbook and the report, the marks of
// the files this match wrote, and last the match's copy. The window only
// asks and shows, through the callbacks.
#pragma once

#include <functional>
#include <string>

class FileFaults;
class Match;

class MatchSave {
 public:
  // Yes/no, "ファイル … が既にあります。上書きしますか?": no stops the save
  // before any file is written, as it does when no one is there to ask.
  std::function<bool(const std::string& question)> askOverwrite;
  // A notice the operator reads after the three tables are written.
  std::function<void(const std::string& notice)> showNotice;
  // Writes the match's copy beside the tables, when the match is kept in a
  // match file; may throw SaveError.
  std::function<void()> copyMatch;
  // Makes file operations fail on purpose; tests only.
  FileFaults* faults = nullptr;

  // False when the operator declined the question. Throws SaveError (a
  // UserError) for a file that could not be written: a failure in the
  // three tables leaves all of them as they were and nothing marked; one in
  // the workbook or the report keeps the tables and every file finished
  // before it as this match's, and the copy is still written.
  bool run(Match& m) const;
};
