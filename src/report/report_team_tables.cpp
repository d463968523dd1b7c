// Per team: the player table, the shots' breakdown, the goalkeepers'
// figures, the other counts.
#include "court_drawing.h"
#include "report_sections.h"

namespace {

constexpr double kSaveMapWidthMm = 80, kSaveMapHeightMm = 24;

QString num(int64_t n) {
  return QString::number(n);
}

TableRow countRow(const QString& number, const QString& name, const ShotFigures& s, int32_t lost,
                  int32_t penaltiesWon, int32_t timeOuts, int32_t warnings, int32_t suspensions,
                  int32_t disqualifications, int64_t contribution, bool bold = false) {
  return {{number, name, num(s.total.goals), num(s.total.shots), qs(percentText(s.total.rate())),
           qs(goalsOverShots(s.penalty())), num(lost), num(penaltiesWon), num(timeOuts),
           num(warnings), num(suspensions), num(disqualifications), num(contribution)},
          bold};
}

void drawPlayerTable(ReportPages& pages, const TeamFigures& t) {
  constexpr int R = Qt::AlignRight;
  const std::vector<TableColumn> columns = {
      {"No.", 10, R},    {"氏名", 50},    {"得点", 10, R},     {"シュート", 13, R},
      {"成功率", 12, R}, {"7m", 12, R},   {"保持ミス", 13, R}, {"PT獲得", 12, R},
      {"作戦T", 11, R},  {"警告", 10, R}, {"退場", 10, R},     {"失格", 10, R},
      {"貢献度", 13, R},
  };
  std::vector<TableRow> rows;
  for (const PersonFigures& p : t.persons) {
    if (!p.listed()) continue;
    const QString number = p.slot == kOfficialSlot ? qs(kOfficialWord) : qs(p.number);
    rows.push_back(countRow(number, qs(p.name), p.shots, p.lost, p.penaltiesWon, p.timeOuts,
                            p.warnings, p.suspensions, p.disqualifications, p.contribution));
  }
  rows.push_back(countRow("", qs(kTotalWord), t.shots, t.lost, t.penaltiesWon,
                          static_cast<int32_t>(t.timeOuts.size()), t.warnings, t.suspensions,
                          t.disqualifications, t.contribution, true));
  drawTable(pages, columns, rows);
}

// The shots of each player who shot, and the team's: on target, how the
// misses ended, the assists, goals over shots per kind of attack.
void drawShotTable(ReportPages& pages, const TeamFigures& t) {
  constexpr int R = Qt::AlignRight;
  std::vector<TableColumn> columns = {
      {"No.", 10, R},    {"氏名", 32},        {"枠内", 12, R}, {"被セーブ", 14, R},
      {"ポスト", 12, R}, {"ブロック", 14, R}, {"枠外", 12, R}, {"アシスト", 14, R},
  };
  for (std::string_view kind : kAttackWords) columns.push_back({qs(kind), 16, R});
  auto row = [](const QString& number, const QString& name, const ShotFigures& s, int32_t assists,
                bool bold) {
    TableRow r{{number, name, num(s.onTarget())}, bold};
    for (int o = 1; o <= kMissOutcomes; ++o) r.cells.push_back(num(s.missesBy[o]));
    r.cells.push_back(num(assists));
    for (const ShotCount& c : s.byAttack) r.cells.push_back(qs(goalsOverShots(c)));
    return r;
  };
  std::vector<TableRow> rows;
  for (const PersonFigures& p : t.persons)
    if (p.shots.total.shots > 0 || p.assists > 0)
      rows.push_back(row(qs(p.number), qs(p.name), p.shots, p.assists, false));
  rows.push_back(row("", qs(kTotalWord), t.shots, t.assists, true));
  pages.text(pages.box(0, pages.top(), pages.width(), 5),
             "シュート内訳 (枠内 = 得点 + 被セーブ; 攻撃別は 得点/シュート)", 9, Qt::AlignLeft,
             true);
  pages.moveDown(6);
  drawTable(pages, columns, rows);
}

QString saveLine(const char* what, const SaveCount& c) {
  return QString("%1: 枠内シュート %2  セーブ %3  失点 %4  セーブ率 %5")
      .arg(what)
      .arg(c.onTarget)
      .arg(c.saves)
      .arg(c.goalsAgainst())
      .arg(qs(percentText(c.rate())));
}

QString savesText(const SaveCount& c) {
  return QString("%1/%2 %3").arg(c.saves).arg(c.onTarget).arg(qs(percentText(c.rate())));
}

// The team and each of its goalkeepers a row: the totals and saves over
// shots on target per position group, then per kind of attack with the
// shots that were not on target.
void drawKeeperTables(ReportPages& pages, const TeamFigures& t) {
  constexpr int R = Qt::AlignRight;
  std::vector<const GoalkeeperFigures*> figures = {&t.goalkeeper};
  std::vector<std::pair<QString, QString>> who = {{"", qs(kTotalWord)}};
  for (const PersonFigures& p : t.persons)
    if (p.slot != kOfficialSlot && p.keeps()) {
      figures.push_back(&p.keeping);
      who.emplace_back(qs(p.number), qs(p.name));
    }
  std::vector<TableColumn> groups = {{"No.", 10, R},    {"GK", 32},      {"枠内", 11, R},
                                     {"セーブ", 11, R}, {"失点", 11, R}, {"セーブ率", 14, R}};
  for (std::string_view g : kShotGroupWords) groups.push_back({qs(g), 19, R});
  std::vector<TableColumn> attacks = {{"No.", 10, R}, {"GK", 32}};
  for (std::string_view a : kAttackWords) attacks.push_back({qs(a), 19, R});
  for (const char* head : {"ポスト", "ブロック", "枠外"}) attacks.push_back({head, 14, R});
  attacks.push_back({qs(kZoneNotKnownWord), 18, R});
  std::vector<TableRow> groupRows, attackRows;
  for (size_t n = 0; n < figures.size(); ++n) {
    const GoalkeeperFigures& g = *figures[n];
    const bool bold = n == 0;
    TableRow gr{{who[n].first, who[n].second, num(g.total.onTarget), num(g.total.saves),
                 num(g.total.goalsAgainst()), qs(percentText(g.total.rate()))},
                bold};
    for (const SaveCount& c : g.byGroup) gr.cells.push_back(savesText(c));
    groupRows.push_back(gr);
    TableRow ar{{who[n].first, who[n].second}, bold};
    for (const SaveCount& c : g.byAttack) ar.cells.push_back(savesText(c));
    for (int32_t c : {g.posts, g.blocked, g.wide}) ar.cells.push_back(num(c));
    ar.cells.push_back(savesText(g.zoneNotKnown));
    attackRows.push_back(ar);
  }
  drawTable(pages, groups, groupRows);
  pages.moveDown(2);
  drawTable(pages, attacks, attackRows);
}

void drawGoalkeeper(ReportPages& pages, const TeamFigures& t) {
  pages.needRoom(6 + kSaveMapHeightMm + 4);
  pages.text(pages.box(0, pages.top(), pages.width(), 5),
             "ゴールキーパー (" + qs(t.name) + " のゴール, セーブ/枠内シュート)", 9, Qt::AlignLeft,
             true);
  pages.moveDown(6);
  const double top = pages.top();
  drawGoalMap(pages.painter(), pages.box(0, top, kSaveMapWidthMm, kSaveMapHeightMm),
              saveCells(t.goalkeeper), pages.font(7));
  const double textLeft = kSaveMapWidthMm + 6, textWidth = pages.width() - textLeft;
  const GoalkeeperFigures& g = t.goalkeeper;
  const QString lines[] = {
      saveLine("全体", g.total), saveLine("7m", g.penalty), saveLine("7m以外", g.field()),
      QString("枠内以外: ポスト %1  ブロック %2  枠外 %3").arg(g.posts).arg(g.blocked).arg(g.wide)};
  double y = top;
  for (const QString& line : lines) {
    pages.text(pages.box(textLeft, y, textWidth, 4.5), line, 8);
    y += 5;
  }
  pages.moveDown(kSaveMapHeightMm + 3);
  drawKeeperTables(pages, t);
  pages.moveDown(3);
}

void drawOtherCounts(ReportPages& pages, const TeamFigures& t) {
  QStringList lost;
  for (int kind = 1; kind <= kKeepMissKinds; ++kind)
    lost << qs(kKeepMissWords[kind]) + " " + num(t.lostByKind[kind]);
  QStringList timeOuts;
  for (const TimeOutFigure& to : t.timeOuts)
    timeOuts << qs(to.time()) + " (" + qs(kSituationWords[to.situation]) + ")";
  const QString lines[] = {
      "保持ミス " + num(t.lost) + ": " + lost.join(", "),
      QString("PT(獲得) %1   警告 %2   退場 %3   失格 %4")
          .arg(t.penaltiesWon)
          .arg(t.warnings)
          .arg(t.suspensions)
          .arg(t.disqualifications),
      "作戦タイム: " + (timeOuts.isEmpty() ? QString("なし") : timeOuts.join(", ")),
  };
  pages.needRoom(3 * 5);
  for (const QString& line : lines) {
    pages.text(pages.box(0, pages.top(), pages.width(), 4.5), line, 8);
    pages.moveDown(5);
  }
}

}  // namespace

void drawTeamTables(ReportPages& pages, const TeamFigures& t) {
  // A team's part starts on a new page unless all of it fits here.
  int lines = 1, shooters = 1, keepers = 1;
  for (const PersonFigures& p : t.persons) {
    lines += p.listed();
    shooters += p.shots.total.shots > 0 || p.assists > 0;
    keepers += p.slot != kOfficialSlot && p.keeps();
  }
  pages.needRoom((lines + shooters + 2 * keepers + 4) * 5.5 + kSaveMapHeightMm + 60);
  pages.heading(qs(t.name) + " 選手");
  drawPlayerTable(pages, t);
  pages.moveDown(3);
  drawShotTable(pages, t);
  pages.moveDown(3);
  drawGoalkeeper(pages, t);
  drawOtherCounts(pages, t);
  pages.moveDown(6);
}
