// The sheets of the analysis workbook, each from the match and its figures.
//  - 概要: per team the totals, the shots on target and how the misses
//    ended, assists, shots and goals per kind of attack, the goalkeepers'
//    view (失点 always the other team's 得点), lost possessions by kind,
//    sanctions, time-outs with their times, each half's goals, shots and
//    the score at its end; below, the score flow.
//  - 選手: one row per roster line in use, with the team's totals, the
//    assists and how the misses ended.
//  - シュート: goals, shots and rate per place, per goal zone and per kind
//    of attack, for each team and each player who shot.
//  - ゴールキーパー: per goal defended, for the team and for each of its
//    goalkeepers, shots on target, saves, goals against and save rate per
//    zone (and 位置不明), all shots and 7 m throws apart, per position group
//    and per kind of attack.
//  - イベント: one row per completed event with the running score.
//  - The match statistics, a sheet per table (match_figure_sheets.cpp):
//    連盟形式 (shots and saves in the federations' groups, per team and
//    player), 数的状況 (per situation on court), 退場中 (goals for and
//    against during each suspension), 時間帯 (ten- or five-minute stretches
//    and overtime), 流れ (runs, gaps, leads), 攻撃 (attacks and efficiency),
//    タイムアウト効果, 保持ミス位置 (lost possessions by place) and 7m獲得
//    (7 m throws won by reason, thrown and scored).
#pragma once

#include "figures.h"
#include "match.h"
#include "xlsx_book.h"

void writeSummarySheet(XlsxBook& book, const MatchFigures& f);
void writePlayerSheet(XlsxBook& book, const MatchFigures& f);
void writeShotSheet(XlsxBook& book, const MatchFigures& f);
void writeGoalkeeperSheet(XlsxBook& book, const MatchFigures& f);
void writeEventSheet(XlsxBook& book, const Match& m);
void writeMatchFigureSheets(XlsxBook& book, const Match& m, const MatchFigures& f);
