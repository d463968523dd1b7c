#include "event_log.h"

#include "match.h"

std::vector<LogRow> eventLog(const Match& match, TeamId team) {
  std::vector<LogRow> rows;
  for (const Event& e : match.events())
    if (e.team == team) rows.push_back(logRow(e));
  const Entry& open = match.entry();
  if (open.open() && open.event.team == team) rows.push_back(partialLogRow(open));
  return rows;
}
