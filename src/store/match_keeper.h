// What the windows call after every step that changes the match: the match
// file is made at the first such step, each step is committed, and when the
// file cannot be kept (a full disk, a read-only folder) the step still
// stands, the error box is asked for once, and the next step tries again.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "match_file.h"

class MatchKeeper {
 public:
  // A new match, kept in `folder` from its first step on.
  explicit MatchKeeper(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // A match brought back or imported, kept in `file` from now on.
  MatchKeeper(std::filesystem::path folder, MatchFile file)
      : folder_(std::move(folder)), file_(std::move(file)) {}

  // After a step. The text for the error box when keeping fails for the
  // first time since it last worked; nothing otherwise.
  std::optional<std::string> keep(const Match& m, const Screen& s);
  // Whether the last step was kept.
  bool safe() const { return !failing_; }

  // The team sheet's close box: the last step kept and the match marked as
  // ended, so that it is not offered at the next start. The text for the
  // error box if that failed.
  std::optional<std::string> end(const Match& m, const Screen& s);

  // The file, once made.
  MatchFile* file() { return file_ ? &*file_ : nullptr; }

 private:
  std::filesystem::path folder_;
  std::optional<MatchFile> file_;
  bool failing_ = false;
};

// The error box's text for a match that cannot be kept.
std::string unsafeRecordMessage(const std::string& reason);
