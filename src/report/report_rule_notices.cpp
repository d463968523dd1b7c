// The notices of the rules' limits the match window showed, with the time of
// the event that went past each, so that a sanction past a limit is on paper.
#include "match_clock.h"
#include "report_sections.h"
#include "rule_notices.h"

void drawRuleNotices(ReportPages& pages, const Match& m) {
  const std::vector<RuleNotice> notices = ruleNotices(m);
  pages.heading("ルールの注意");
  if (notices.empty()) {
    pages.text(pages.box(0, pages.top(), pages.width(), 5), "なし", 8);
    pages.moveDown(6);
    return;
  }
  std::vector<TableRow> rows;
  for (const RuleNotice& n : notices) rows.push_back({{qs(clockText(n.clockSeconds)), qs(n.text)}});
  drawTable(pages, {{"時間", 14}, {"内容", pages.width() - 14}}, rows);
  pages.moveDown(6);
}
