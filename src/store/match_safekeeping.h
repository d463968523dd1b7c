// The match kept safe while it is recorded: committed to its match file
// after every step that changes it, brought back from one after a crash,
// taken in from a copy, copied beside the saved tables, and marked as ended
// at the team sheet's close box. When the file cannot be kept (a full disk,
// a read-only folder) the step still stands, the error box is asked for
// once, and the next step tries again.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "match_file.h"
#include "stored_screen.h"

class Match;

class MatchSafekeeping {
 public:
  // Keeps the match and what the windows show in `folder` (the per-user
  // data folder, chosen by the program) from its first step that is worth
  // keeping on.
  MatchSafekeeping(Match& m, KeptScreen& screen, std::filesystem::path folder);

  const std::filesystem::path& folder() const { return folder_; }
  // The file the match is kept in, once there is one.
  std::optional<std::filesystem::path> file() const;
  MatchFile* matchFile() { return file_ ? &*file_ : nullptr; }

  // After a step: the text for the error box the first time keeping fails
  // since it last worked, nothing otherwise. A new match gets its file at
  // the first step that leaves something to lose, so that starting and
  // closing the program leaves nothing to restore.
  std::optional<std::string> keep();
  // Whether the last step was kept.
  bool safe() const { return !failing_; }

  // The match of `path`, left by a program that stopped, put back and kept
  // there from now on. Throws StoreError; the match stays as it was then.
  void restore(const std::filesystem::path& path);
  // The match of a file from elsewhere, put in place of this one and kept in
  // a new file of the data folder, its clock paused at the time it showed;
  // this one's file is marked as ended.
  // Throws StoreError; the match stays as it was then.
  void open(const std::filesystem::path& path);

  // Beside the saved tables: the copy `stem`.hbmatch of the match as it
  // stands. Throws SaveError naming the file.
  void copyBeside(const std::string& stem);

  // The close box: the last step kept and the match marked as ended, so
  // that it is not offered at the next start. The error box's text when
  // that failed.
  std::optional<std::string> end();

 private:
  bool worthKeeping() const;
  std::optional<std::string> commit();

  Match& m_;
  KeptScreen& screen_;
  std::filesystem::path folder_;
  std::optional<MatchFile> file_;
  bool failing_ = false;
};

// The error box's text for a match that cannot be kept.
std::string unsafeRecordMessage(const std::string& reason);
