// イベント: the completed events in recorded order, both teams together.
#include "score_flow.h"
#include "shoot_out.h"
#include "workbook_sheets.h"

void writeEventSheet(XlsxBook& book, const Match& m) {
  XlsxSheet& sheet = book.addSheet("イベント");
  sheet.heads(0, {"No.", "チーム", "時間", "背番号", "氏名", "プレー", "場所", "詳細",
                  m.team(TeamId::One).name, m.team(TeamId::Two).name});
  const std::vector<Score> scores = scoresAfterEvents(m);
  for (size_t n = 0; n < m.events().size(); ++n) {
    const Event& e = m.events()[n];
    const int row = static_cast<int>(n) + 1;
    sheet.number(row, 0, row);
    sheet.text(row, 1, m.team(e.team).name);
    if (inShootOut(e))
      sheet.text(row, 2, kPeriodWords[e.period]);
    else
      sheet.time(row, 2, e.clockSeconds);
    sheet.shirtNumber(row, 3, e.number);
    sheet.text(row, 4, e.name);
    sheet.text(row, 5, actionWord(e.action));
    sheet.text(row, 6, kPlaceWords[e.place]);
    sheet.text(row, 7, detailText(e));
    sheet.number(row, 8, scores[n].team1);
    sheet.number(row, 9, scores[n].team2);
  }
}
