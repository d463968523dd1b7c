#include "event_draft.h"

EventDraft draftOf(const Event& e) {
  return {e.slot, e.clockSeconds, e.action, e.place, e.detail, e.period, e.facts};
}

std::string draftProblem(const EventDraft& d) {
  if (d.slot < kOfficialSlot || d.slot > kLastPlayerSlot) return "人を選んでください";
  const int action = static_cast<int>(d.action);
  if (action < 1 || action > kActions) return "プレーを選んでください";
  if (!allowedForSlot(d.action, d.slot)) return "監督は作戦タイムか反則だけです";
  if (!placeAllowed(d.action, d.place))
    return d.action == Action::TimeOut ? "作戦タイムはベンチです" : "場所を選んでください";
  if (d.detail < 1 || d.detail > detailCount(d.action))
    return isShot(d.action) ? "ゴールの位置を選んでください" : "内容を選んでください";
  if (d.clockSeconds < 0 || d.clockSeconds > kLatestEditSeconds) return std::string(kClockTextRule);
  if (takesAssist(d.action) && d.facts.assist != 0 && d.facts.assist == d.slot)
    return "アシストは得点した人と別の選手です";
  return {};
}

std::optional<int> parseClockText(std::string_view text) {
  auto digit = [&](size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  if (text.size() != 5 || text[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
    return std::nullopt;
  const int minutes = (text[0] - '0') * 10 + (text[1] - '0');
  const int seconds = (text[3] - '0') * 10 + (text[4] - '0');
  if (seconds > 59) return std::nullopt;
  return minutes * 60 + seconds;
}
