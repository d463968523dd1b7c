// The parts of the printed report, each drawn where the pages have got to.
//  - The front page: teams, score, date, the score flow, each half's score,
//    goals and shots, and per team the shot chart, the goal-zone map and
//    the shots per place.
//  - Per team the player table, the goalkeeper's figures and the team's
//    other counts.
//  - The notices of the rules' limits, with their times.
//  - Per team a page in the federations' layout: shots and saves by group.
//  - The match's figures: numbers on court, stretches of play, runs,
//    attacks, the time-outs' effect, lost possessions and 7 m throws won.
//  - Per team the event log with the running score.
#pragma once

#include <QString>

#include "figures.h"
#include "match.h"
#include "report_pages.h"

void drawFrontPage(ReportPages& pages, const Match& m, const MatchFigures& f, const QString& date);
void drawTeamTables(ReportPages& pages, const TeamFigures& t);
void drawRuleNotices(ReportPages& pages, const Match& m);
void drawFederationPage(ReportPages& pages, const Match& m, const TeamFigures& t);
void drawMatchFigures(ReportPages& pages, const Match& m, const MatchFigures& f);
void drawEventLog(ReportPages& pages, const Match& m, TeamId team);

inline QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
