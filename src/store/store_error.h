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
  DiskFull,      // no space left, or the user's quota used up
  CannotWrite,   // read-only folder, I/O error
  CannotRead,    // no permission to read it, I/O error while only reading
};

// The message names the problem in the operator's words with the file's
// path; technical detail, if any, follows on a second line.
class StoreError : public UserError {
 public:
  StoreError(StoreProblem problem, const std::string& path, const std::string& detail = {});
  StoreProblem problem() const { return problem_; }

 private:
  StoreProblem problem_;
};

// The problem an SQLite failure on the file at `path` stands for.
StoreError storeErrorOf(const SqliteError& e, const std::string& path);
// A failed system call (errno `error`) while writing at `path`.
StoreError storeWriteError(int error, const std::string& path);
