// The analysis window's pages after the first, while shown: their totals
// against the logs. Each page's figures must add up to what the logs hold
// of the team, whatever groups, situations, stretches or places they are
// split into.
#include <QTableWidget>

#include "log_rows.h"
#include "operator_rules.h"

namespace {

struct LogCounts {
  int64_t events = 0, goals = 0, misses = 0, lost = 0, penaltiesWon = 0, timeOuts = 0;
  int64_t shots() const { return goals + misses; }
};

LogCounts countsOf(const std::vector<LogRow>& rows) {
  LogCounts c;
  for (const LogRow& row : rows) {
    ++c.events;
    const int play = codeIn(kPlays, row[3]);
    c.goals += play == kGoal;
    c.misses += play == kShotMiss;
    c.lost += play == kKeepMiss;
    c.penaltiesWon += play == kPenalty;
    c.timeOuts += play == kTimeOut;
  }
  return c;
}

std::string cell(const QTableWidget* table, int row, int col) {
  const QTableWidgetItem* item = table->item(row, col);
  return item ? item->text().toStdString() : "(none)";
}

int64_t number(const QTableWidget* table, int row, int col) {
  return std::stoll(cell(table, row, col));
}

// The two numbers of "3/7  43%".
std::pair<int64_t, int64_t> overOf(const std::string& text) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) return {-1, -1};
  return {std::stoll(text.substr(0, slash)), std::stoll(text.substr(slash + 1))};
}

std::string expectOver(const std::string& what, const std::string& shown, int64_t a, int64_t b) {
  if (overOf(shown) == std::pair(a, b)) return "";
  return say(what, " reads '", shown, "', the logs say ", a, "/", b);
}

}  // namespace

std::string OperatorRules::checkAnalysisPage() const {
  const Ui::AnalysisWindow& ui = windows_->analysisWindow()->ui;
  const LogCounts logs[2] = {countsOf(matchPlayRows(1)), countsOf(matchPlayRows(2))};
  const LogCounts& chosen = logs[analysisTeam_ - 1];
  const LogCounts& other = logs[2 - analysisTeam_];
  switch (analysisPage_) {
    case 1: {  // the federations' groups: every shot in one group
      const QTableWidget* shots = ui.federationShotTable;
      const int last = shots->rowCount() - 1;
      int64_t goals = 0, taken = 0;
      for (int col = 2; col < 9; ++col) {
        const auto [g, s] = overOf(cell(shots, last, col));
        goals += g;
        taken += s;
      }
      if (goals != chosen.goals || taken != chosen.shots())
        return say("the federation groups add up to ", goals, "/", taken, ", the logs say ",
                   chosen.goals, "/", chosen.shots());
      std::string broken =
          expectOver("the federation total", cell(shots, last, 9), chosen.goals, chosen.shots());
      if (!broken.empty()) return broken;
      const QTableWidget* saves = ui.federationSaveTable;
      const auto [saved, onTarget] = overOf(cell(saves, saves->rowCount() - 1, 9));
      if (onTarget - saved != other.goals)
        return say("the federation goalkeepers let in ", onTarget - saved, ", the other log has ",
                   other.goals, " goals");
      return "";
    }
    case 2:  // numbers on court: the situations sum to the team's events
      for (int t = 0; t < 2; ++t) {
        int64_t events = 0, goals = 0, shots = 0, lost = 0;
        for (int s = 0; s < 3; ++s) {
          events += number(ui.situationTable, 3 * t + s, 2);
          const auto [g, n] = overOf(cell(ui.situationTable, 3 * t + s, 3));
          goals += g;
          shots += n;
          lost += number(ui.situationTable, 3 * t + s, 5);
        }
        const LogCounts& c = logs[t];
        if (events != c.events || goals != c.goals || shots != c.shots() || lost != c.lost)
          return say("team ", t + 1, "'s situations add up to ", events, " events, ", goals, "/",
                     shots, ", ", lost, " lost; the log: ", c.events, ", ", c.goals, "/", c.shots(),
                     ", ", c.lost);
      }
      return "";
    case 3: {  // the stretches' total row
      const int last = ui.stretchTable->rowCount() - 1;
      for (int t = 0; t < 2; ++t) {
        std::string broken =
            expectOver(say("team ", t + 1, "'s stretches"), cell(ui.stretchTable, last, 2 * t),
                       logs[t].goals, logs[t].shots());
        if (!broken.empty()) return broken;
        if (number(ui.stretchTable, last, 2 * t + 1) != logs[t].lost)
          return say("team ", t + 1, "'s stretches lose ", cell(ui.stretchTable, last, 2 * t + 1),
                     ", the log ", logs[t].lost);
      }
      return "";
    }
    case 4:  // attacks, and a row per time-out
      for (int t = 0; t < 2; ++t) {
        const LogCounts& c = logs[t];
        if (number(ui.attackTable, t, 1) != c.shots() + c.lost ||
            number(ui.attackTable, t, 2) != c.goals || number(ui.attackTable, t, 3) != c.misses ||
            number(ui.attackTable, t, 4) != c.lost)
          return say("team ", t + 1, "'s attacks read ", cell(ui.attackTable, t, 1), " = ",
                     cell(ui.attackTable, t, 2), " + ", cell(ui.attackTable, t, 3), " + ",
                     cell(ui.attackTable, t, 4), ", the log ", c.goals, " + ", c.misses, " + ",
                     c.lost);
      }
      if (ui.timeOutEffectTable->rowCount() != logs[0].timeOuts + logs[1].timeOuts)
        return say("the time-outs' effect has ", ui.timeOutEffectTable->rowCount(), " rows for ",
                   logs[0].timeOuts + logs[1].timeOuts, " time-outs");
      return "";
    case 5:  // lost possessions on the court, 7 m throws won
      for (int t = 0; t < 2; ++t) {
        int64_t lost = 0;
        for (int32_t n : (t == 0 ? ui.lostCourtOne : ui.lostCourtTwo)->counts()) lost += n;
        if (lost != logs[t].lost)
          return say("team ", t + 1, "'s court shows ", lost, " lost, the log ", logs[t].lost);
        const int total = ui.penaltyWonTable->rowCount() - 1;
        if (number(ui.penaltyWonTable, total, 3 * t) != logs[t].penaltiesWon)
          return say("team ", t + 1, " won ", cell(ui.penaltyWonTable, total, 3 * t),
                     " 7 m throws, the log says ", logs[t].penaltiesWon);
      }
      return "";
  }
  return say("no rule for the analysis page ", analysisPage_);
}
