#include "log_rows.h"

int codeIn(const std::vector<std::string>& list, const std::string& text) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == text) return static_cast<int>(i) + 1;
  return 0;
}

bool isWholeNumber(const std::string& text, int64_t* value) {
  size_t i = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size() || text.size() - i > 10) return false;
  int64_t n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    n = n * 10 + (text[i] - '0');
  }
  if (text[0] == '-') n = -n;
  if (n < INT32_MIN || n > INT32_MAX) return false;
  if (value) *value = n;
  return true;
}

std::string conversionError(const std::string& text) {
  return "'" + text + "' は整数ではありません.";
}

WindowId dialogOf(int action) {
  switch (action) {
    case kKeepMiss:
      return WindowId::KeepMiss;
    case kPenalty:
      return WindowId::PenaltyThrow;
    case kTimeOut:
      return WindowId::TimeOut;
    case kFoul:
      return WindowId::Foul;
    default:
      return WindowId::Court;
  }
}

bool isTimeText(const std::string& t) {
  // Minutes take two digits or more, seconds two.
  auto digits = [&](size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
      if (t[i] < '0' || t[i] > '9') return false;
    return to > from;
  };
  const size_t colon = t.find("：");
  return colon != std::string::npos && colon >= 2 && digits(0, colon) && t.size() == colon + 5 &&
         digits(colon + 3, colon + 5) && t[colon + 3] <= '5';
}

std::string rowProblem(const LogRow& row, int slot) {
  if (!isTimeText(row[0])) return "time cell '" + row[0] + "'";
  const int play = codeIn(kPlays, row[3]);
  if (play == 0) return "play cell '" + row[3] + "'";
  if (slot == 0 && play != kTimeOut && play != kFoul) return "the official has play " + row[3];
  const std::vector<std::string>* whats[] = {nullptr,   &kZones,      &kZones,    &kKinds,
                                             &kReasons, &kSituations, &kSanctions};
  const bool placeOk = play == kTimeOut ? row[4] == kBench : codeIn(kPlaces, row[4]) != 0;
  if (!placeOk) return "where cell '" + row[4] + "' for " + row[3];
  if (codeIn(*whats[play], row[5]) == 0) return "what cell '" + row[5] + "' for " + row[3];
  return "";
}

std::string joined(const LogRow& row) {
  std::string text = row[0];
  for (int col = 1; col < 6; ++col) text += "|" + row[col];
  return text;
}
