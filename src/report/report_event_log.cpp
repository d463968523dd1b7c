// A team's event log with the score of the match after each event; the
// shoot-out's throws have its name for a time.
#include "match_clock.h"
#include "report_sections.h"
#include "score_flow.h"
#include "shoot_out.h"

void drawEventLog(ReportPages& pages, const Match& m, TeamId team) {
  const std::vector<TableColumn> columns = {
      {"時間", 14},
      {"No.", 12},
      {"氏名", 52},
      {"プレー", 28},
      {"場所", 24},
      {"詳細", 30},
      {"スコア", 18, Qt::AlignRight},
  };
  const std::vector<Score> scores = scoresAfterEvents(m);
  std::vector<TableRow> rows;
  for (size_t n = 0; n < m.events().size(); ++n) {
    const Event& e = m.events()[n];
    if (e.team != team) continue;
    rows.push_back(
        {{qs(inShootOut(e) ? std::string(kPeriodWords[e.period]) : clockText(e.clockSeconds)),
          qs(e.number), qs(e.name), qs(actionWord(e.action)), qs(kPlaceWords[e.place]),
          qs(detailText(e)), qs(scoreText(scores[n]))},
         e.action == Action::Goal});
  }
  pages.heading(qs(m.team(team).name) + " イベント記録");
  if (rows.empty()) {
    pages.text(pages.box(0, pages.top(), pages.width(), 5), "記録なし", 8);
    pages.moveDown(6);
    return;
  }
  drawTable(pages, columns, rows);
  pages.moveDown(6);
}
