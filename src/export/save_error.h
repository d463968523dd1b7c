// A file of the save that could not be written, reported in the error box.
#pragma once

#include <string>

#include "user_error.h"

class SaveError : public UserError {
 public:
  explicit SaveError(int error);
  int error() const { return error_; }

 private:
  int error_;
};

// The error box text for an errno of a failed file operation.
std::string saveErrorMessage(int error);
