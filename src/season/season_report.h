// The season's workbook (.xlsx) and printed report (.pdf), written with the
// same care as a match's: through a temporary file that replaces an older
// one only once complete.
#pragma once

#include <string>

#include "season_figures.h"

// Sheets: 試合一覧 (a line per match), チーム (totals and per-match
// averages), 選手, ゴールキーパー, 連盟形式, 選手別試合 (a line per player
// and match), 推移 (the main rates match by match), 数的状況, 時間帯,
// 保持ミス位置. Throws SaveError.
void writeSeasonWorkbook(const SeasonFigures& s, const std::string& path);

// The report's bytes: the season's results and trend chart, the season
// shot chart and goal-zone maps, the team's and the players' tables. A
// QGuiApplication must be alive.
std::string seasonReportPdf(const SeasonFigures& s);
// Throws SaveError.
void writeSeasonReport(const SeasonFigures& s, const std::string& path);

// The result of a match as the tables write it: "勝", "分", "敗".
const char* resultWord(const SeasonMatch& m);
