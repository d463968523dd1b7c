#include "team.h"

#include "number_text.h"
#include "user_error.h"

bool countRaisable(const std::string& text) {
  return text.empty() || parseInt(text).has_value();
}

bool countLowerable(const std::string& text) {
  return parseInt(text).has_value();
}

std::string raisedCount(const std::string& text) {
  if (text.empty()) return "1";
  return intToStr(int64_t{strToInt(text)} + 1);
}

std::string loweredCount(const std::string& text) {
  return intToStr(int64_t{strToInt(text)} - 1);
}

std::string movedCount(const std::string& text, int delta) {
  if (delta == 0) return text;
  if (text.empty() && delta > 0) return intToStr(delta);
  return intToStr(int64_t{strToInt(text)} + delta);
}
