// Numbers as text: decimal formatting, the strict whole-number conversion the
// program reads count cells with, and comma-text splitting.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A failure that a handler reports in the error box; the program carries on.
class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "'%s' は整数ではありません" for text that is not a whole number.
class ConversionError : public UserError {
 public:
  explicit ConversionError(std::string_view text);
};

// Optional sign and decimal digits only, within 32 bits; nothing else.
std::optional<int32_t> parseInt(std::string_view text);
// parseInt or ConversionError.
int32_t strToInt(std::string_view text);
std::string intToStr(int64_t value);

// Splits comma text: items are separated by commas; an item in double quotes
// is taken without its quotes (a doubled quote inside stands for one), an
// unquoted item ends at a comma or at any character at or below the blank.
std::vector<std::string> splitCommaText(std::string_view text);
