// The analysis window's pages after its first: shots and saves in the
// federations' groups for the chosen team, numbers on court, the stretches
// of play, runs, attacks and the time-outs' effect, and lost possessions by
// place with the 7 m throws won. Each page is filled from the analysis
// module's figures only while it is the page shown.
#pragma once

#include <QString>

#include "figures.h"
#include "match.h"
#include "ui_analysis_window.h"

// The pages of the window's tabs, in order.
enum class AnalysisPage : int { Overview, Federation, Numbers, Stretches, Flow, Lost };

// A team's caption: its name, or "チーム1" while it has none.
QString teamCaption(const TeamFigures& t);
// A player's line as the team sheet reads it: "7 佐藤", or the line's
// number when it is still empty.
QString personCaption(const PersonFigures& p);

// The heads and shapes of the tables that do not change with the match.
void setUpFigurePages(Ui::AnalysisWindow& ui);
void showFederationPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f, TeamId team);
void showNumbersPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f);
void showStretchPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f);
void showFlowPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f);
void showLostPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f);
