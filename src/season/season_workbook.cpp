// The season's workbook: each sheet a table with its heads in the first row.
#include "replacing_file.h"
#include "season_report.h"
#include "xlsx_book.h"

namespace {

void putShots(XlsxSheet& sheet, int row, int col, const ShotCount& c) {
  sheet.number(row, col, c.goals);
  sheet.number(row, col + 1, c.shots);
  sheet.rate(row, col + 2, c.rate());
}

void putSaves(XlsxSheet& sheet, int row, int col, const SaveCount& c) {
  sheet.number(row, col, c.saves);
  sheet.number(row, col + 1, c.onTarget);
  sheet.rate(row, col + 2, c.rate());
}

void putAverage(XlsxSheet& sheet, int row, int col, double total, int matches) {
  if (const auto a = perMatch(total, matches)) sheet.number(row, col, *a);
}

void writeMatchesSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("試合一覧");
  sheet.heads(0, {"日時", "相手", "得点", "失点", "結果", "7mTC", "シュート", "成功率", "セーブ",
                  "枠内シュート", "セーブ率", "7m得点", "7mシュート", "攻撃効率", "保持ミス",
                  "退場", "ファイル"});
  int row = 1;
  for (const SeasonMatch& m : s.matches) {
    sheet.text(row, 0, m.file->started);
    sheet.text(row, 1, m.opponent);
    sheet.number(row, 2, m.goalsFor);
    sheet.number(row, 3, m.goalsAgainst);
    sheet.text(row, 4, resultWord(m));
    if (m.shootOut)
      sheet.text(row, 5, std::to_string((*m.shootOut)[0]) + "-" + std::to_string((*m.shootOut)[1]));
    sheet.number(row, 6, m.team.shots.total.shots);
    sheet.rate(row, 7, m.team.shots.total.rate());
    putSaves(sheet, row, 8, m.team.goalkeeper.total);
    sheet.number(row, 11, m.team.shots.penalty().goals);
    sheet.number(row, 12, m.team.shots.penalty().shots);
    sheet.rate(row, 13, trendOf(m)[static_cast<int>(TrendRate::Efficiency)]);
    sheet.number(row, 14, m.team.lost);
    sheet.number(row, 15, m.team.suspensions);
    sheet.text(row, 16, m.file->path.string());
    ++row;
  }
}

void writeTeamSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("チーム");
  sheet.heads(0, {"項目", "合計", "1試合平均", "率"});
  sheet.text(1, 0, "チーム");
  sheet.text(1, 1, s.team);
  int row = 2;
  for (const FigureLine& line : teamFigureLines(s.totals)) {
    sheet.text(row, 0, line.caption);
    sheet.number(row, 1, line.total);
    if (line.averaged) putAverage(sheet, row, 2, line.total, s.totals.matches);
    sheet.rate(row, 3, line.rate);
    ++row;
  }
}

void writePlayersSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("選手");
  sheet.heads(0, {"No.", "氏名", "試合", "得点", "シュート", "成功率", "7m得点", "7mシュート",
                  "アシスト", "保持ミス", "PT(獲得)", "警告", "退場", "失格", "貢献度",
                  "1試合平均得点", "まとめた記入"});
  int row = 1;
  for (const SeasonPlayer& p : s.players) {
    const PersonFigures& f = p.totals;
    sheet.shirtNumber(row, 0, p.number);
    sheet.text(row, 1, p.person);
    sheet.number(row, 2, p.matches());
    putShots(sheet, row, 3, f.shots.total);
    sheet.number(row, 6, f.shots.penalty().goals);
    sheet.number(row, 7, f.shots.penalty().shots);
    int col = 8;
    for (const int64_t v :
         {int64_t{f.assists}, int64_t{f.lost}, int64_t{f.penaltiesWon}, int64_t{f.warnings},
          int64_t{f.suspensions}, int64_t{f.disqualifications}, f.contribution})
      sheet.number(row, col++, static_cast<double>(v));
    putAverage(sheet, row, col++, f.shots.total.goals, p.matches());
    std::string entries;
    for (const std::string& e : p.entries) entries += (entries.empty() ? "" : ", ") + e;
    sheet.text(row, col, entries);
    ++row;
  }
}

void writeGoalkeeperSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("ゴールキーパー");
  std::vector<std::string> heads = {"No.",      "氏名",     "試合",   "セーブ",    "枠内シュート",
                                    "セーブ率", "7mセーブ", "7m枠内", "7mセーブ率"};
  for (const std::string_view g : kShotGroupWords) heads.push_back(std::string(g) + "セーブ率");
  heads.insert(heads.end(), {"ポスト", "ブロック", "枠外"});
  sheet.heads(0, heads);
  int row = 1;
  auto line = [&](const std::string& number, const std::string& who, int matches,
                  const GoalkeeperFigures& g) {
    sheet.shirtNumber(row, 0, number);
    sheet.text(row, 1, who);
    sheet.number(row, 2, matches);
    putSaves(sheet, row, 3, g.total);
    putSaves(sheet, row, 6, g.penalty);
    int col = 9;
    for (const SaveCount& c : g.byGroup) sheet.rate(row, col++, c.rate());
    for (const int v : {g.posts, g.blocked, g.wide}) sheet.number(row, col++, v);
    ++row;
  };
  line("", "チーム", s.totals.matches, s.totals.totals.goalkeeper);
  for (const SeasonPlayer& p : s.players)
    if (p.totals.keeps()) line(p.number, p.person, p.matches(), p.totals.keeping);
}

void writeFederationSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("連盟形式");
  sheet.heads(0, {"選手", "No.", "区分", "得点", "シュート", "成功率", "セーブ", "枠内シュート",
                  "セーブ率"});
  int row = 1;
  auto block = [&](const std::string& who, const std::string& number, const FederationShots& f) {
    for (int g = 0; g < kFederationGroups; ++g, ++row) {
      sheet.text(row, 0, who);
      sheet.shirtNumber(row, 1, number);
      sheet.text(row, 2, kFederationGroupWords[g]);
      putShots(sheet, row, 3, f.shots[g]);
      putSaves(sheet, row, 6, f.saves[g]);
    }
  };
  block("チーム", "", s.totals.federation);
  for (const SeasonPlayer& p : s.players)
    if (p.totals.shots.total.shots > 0 || p.totals.keeping.shotsFaced() > 0)
      block(p.person, p.number, p.federation);
}

void writePlayerMatchesSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("選手別試合");
  sheet.heads(0, {"No.", "氏名", "日時", "相手", "記入", "得点", "シュート", "成功率", "アシスト",
                  "保持ミス", "退場", "セーブ", "枠内シュート", "セーブ率"});
  int row = 1;
  for (const SeasonPlayer& p : s.players)
    for (const SeasonPlayer::Appearance& a : p.appearances) {
      const SeasonMatch& m = s.matches[a.match];
      const PersonFigures& f = m.team.persons[a.slot];
      sheet.shirtNumber(row, 0, f.number);
      sheet.text(row, 1, p.person);
      sheet.text(row, 2, m.file->started);
      sheet.text(row, 3, m.opponent);
      sheet.text(row, 4, a.entry);
      putShots(sheet, row, 5, f.shots.total);
      sheet.number(row, 8, f.assists);
      sheet.number(row, 9, f.lost);
      sheet.number(row, 10, f.suspensions);
      putSaves(sheet, row, 11, f.keeping.total);
      ++row;
    }
}

void writeTrendSheet(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& sheet = book.addSheet("推移");
  std::vector<std::string> heads = {"日時", "相手"};
  for (const char* w : kTrendRateWords) heads.push_back(w);
  sheet.heads(0, heads);
  const std::vector<TrendPoint> trend = s.trend();
  for (size_t i = 0; i < s.matches.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    sheet.text(row, 0, s.matches[i].file->started);
    sheet.text(row, 1, s.matches[i].opponent);
    for (int r = 0; r < kTrendRates; ++r) sheet.rate(row, 2 + r, trend[i][r]);
  }
}

void writeSituationSheets(XlsxBook& book, const SeasonFigures& s) {
  XlsxSheet& numbers = book.addSheet("数的状況");
  numbers.heads(0, {"状況", "イベント", "得点", "シュート", "成功率", "保持ミス", "攻撃効率"});
  for (int i = 0; i < kSituations; ++i) {
    const SituationFigures& f = s.totals.situations[i];
    numbers.text(i + 1, 0, kSituationNames[i]);
    numbers.number(i + 1, 1, f.events);
    putShots(numbers, i + 1, 2, f.shots);
    numbers.number(i + 1, 5, f.lost);
    numbers.rate(i + 1, 6, f.efficiency());
  }
  XlsxSheet& stretches = book.addSheet("時間帯");
  stretches.heads(0, {"時間帯", "得点", "シュート", "成功率", "保持ミス"});
  int row = 1;
  for (const SeasonStretch& st : s.totals.stretches) {
    stretches.text(row, 0, st.label);
    putShots(stretches, row, 1, st.figures.shots);
    stretches.number(row, 4, st.figures.lost);
    ++row;
  }
  XlsxSheet& lost = book.addSheet("保持ミス位置");
  lost.heads(0, {"場所", "保持ミス"});
  for (int place = 1; place <= kCourtPlaces; ++place) {
    lost.text(place, 0, kPlaceWords[place]);
    lost.number(place, 1, s.totals.lostAndPenalties.lostByPlace[place]);
  }
}

}  // namespace

const char* resultWord(const SeasonMatch& m) {
  return m.outcome() > 0 ? "勝" : m.outcome() < 0 ? "敗" : "分";
}

void writeSeasonWorkbook(const SeasonFigures& s, const std::string& path) {
  ReplacingFile file(path);
  XlsxBook book(file.tempPath(), path);
  book.setTitle(s.team + " シーズン");
  writeMatchesSheet(book, s);
  writeTeamSheet(book, s);
  writePlayersSheet(book, s);
  writeGoalkeeperSheet(book, s);
  writeFederationSheet(book, s);
  writePlayerMatchesSheet(book, s);
  writeTrendSheet(book, s);
  writeSituationSheets(book, s);
  book.close();
  file.commit();
}
