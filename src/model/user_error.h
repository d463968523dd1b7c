// A failure that the windows report in the error box; the program carries on
// and nothing of the step that failed has changed.
#pragma once

#include <stdexcept>
#include <string_view>

class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "'%s' は整数ではありません": a count cell that does not hold a whole number.
class ConversionError : public UserError {
 public:
  explicit ConversionError(std::string_view text);
};
