// The sheets of the analysis workbook, each from the match and its figures.
//  - 概要: per team the totals, the goalkeeper's view, lost possessions by
//    kind, sanctions, time-outs with their times, each half's goals, shots
//    and the score at its end; below, the score flow.
//  - 選手: one row per roster line in use, with the team's totals.
//  - シュート: goals, shots and rate per place and per goal zone, for each
//    team and each player who shot.
//  - ゴールキーパー: per goal defended, shots on target, saves and save rate
//    per zone, all shots and 7 m throws apart.
//  - イベント: one row per completed event with the running score.
#pragma once

#include "figures.h"
#include "match.h"
#include "xlsx_book.h"

void writeSummarySheet(XlsxBook& book, const MatchFigures& f);
void writePlayerSheet(XlsxBook& book, const MatchFigures& f);
void writeShotSheet(XlsxBook& book, const MatchFigures& f);
void writeGoalkeeperSheet(XlsxBook& book, const MatchFigures& f);
void writeEventSheet(XlsxBook& book, const Match& m);
