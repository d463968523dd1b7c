// Why a match file cannot be used or kept: the error box shows the message,
// and a file that cannot be read is left where it is.
#pragma once

#include <string>

#include "user_error.h"

class SqliteError;

enum class StoreProblem {
  InUse,         // another copy of the program has it open
  NotMatchFile,  // not SQLite, or not a file this program made
  Damaged,       // truncated or corrupt
  Newer,         // made by a newer version of the program
  CannotWrite,   // full disk, read-only folder, I/O error
};

class StoreError : public UserError {
 public:
  StoreError(StoreProblem problem, const std::string& path, const std::string& detail = {});
  StoreProblem problem() const { return problem_; }

 private:
  StoreProblem problem_;
};

// The problem an SQLite failure on the file at `path` stands for.
StoreError storeErrorOf(const SqliteError& e, const std::string& path);
