// A team's statistics in the federations' layout: each player's shots and
// each goalkeeper's saves in the groups 6 m, wing, 9 m, 7 m, fast break,
// breakthrough and empty goal, on a page of its own.
#include "federation_shots.h"
#include "report_sections.h"

namespace {

constexpr double kPoints = 6.5;

QString shotsText(const ShotCount& c) {
  return qs(goalsOverShots(c)) + " " + qs(percentText(c.rate()));
}

QString savesText(const SaveCount& c) {
  return QString("%1/%2 %3").arg(c.saves).arg(c.onTarget).arg(qs(percentText(c.rate())));
}

std::vector<TableColumn> groupColumns(const QString& who) {
  constexpr int R = Qt::AlignRight;
  // Room in each group for "125/125 100%" at the tables' 6.5 points.
  std::vector<TableColumn> columns = {{"No.", 8, R}, {who, 26}};
  for (std::string_view g : kFederationGroupWords) columns.push_back({qs(g), 19, R});
  columns.push_back({"合計", 19, R});
  return columns;
}

template <typename Count, typename Text>
TableRow groupRow(const QString& number, const QString& name,
                  const std::array<Count, kFederationGroups>& groups, Text text, bool bold) {
  TableRow row{{number, name}, bold};
  Count sum;
  for (const Count& c : groups) {
    row.cells.push_back(text(c));
    sum += c;
  }
  row.cells.push_back(text(sum));
  return row;
}

void caption(ReportPages& pages, const QString& text) {
  pages.text(pages.box(0, pages.top(), pages.width(), 5), text, 9, Qt::AlignLeft, true);
  pages.moveDown(6);
}

}  // namespace

void drawFederationPage(ReportPages& pages, const Match& m, const TeamFigures& t) {
  const TeamFederationShots fed = federationShots(m)[teamIndex(t.team)];
  pages.newPage();
  pages.heading(qs(t.name) + " 連盟形式の統計");
  caption(pages, "シュート (得点/シュート 成功率; 速攻・突破・空ゴールは場所によらず, 7mは常に7m)");
  std::vector<TableRow> shots, saves;
  for (const PersonFigures& p : t.persons) {
    if (p.slot == kOfficialSlot) continue;
    const FederationShots& s = fed.persons[p.slot];
    if (p.listed()) shots.push_back(groupRow(qs(p.number), qs(p.name), s.shots, shotsText, false));
    if (p.keeps()) saves.push_back(groupRow(qs(p.number), qs(p.name), s.saves, savesText, false));
  }
  shots.push_back(groupRow("", qs(kTotalWord), fed.team.shots, shotsText, true));
  saves.push_back(groupRow("", qs(kTotalWord), fed.team.saves, savesText, true));
  drawTable(pages, groupColumns("氏名"), shots, kPoints);
  pages.moveDown(6);
  caption(pages, "ゴールキーパー (セーブ/枠内シュート セーブ率)");
  drawTable(pages, groupColumns("GK"), saves, kPoints);
}
