// A file of the save that could not be written, reported in the error box
// with the file's name as the stem gives it.
#pragma once

#include <string>

#include "user_error.h"

class SaveError : public UserError {
 public:
  SaveError(int error, const std::string& file);
  // The folder the file should go into does not exist.
  static SaveError missingFolder(const std::string& folder);

  int error() const { return error_; }

 private:
  SaveError(int error, std::string message, bool);
  int error_;
};

// The error box text for an errno of a failed operation on `file`.
std::string saveErrorMessage(int error, const std::string& file);
