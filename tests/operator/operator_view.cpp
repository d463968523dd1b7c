#include "operator_view.h"

#include <QComboBox>
#include <QLabel>

#include "grid_view.h"

QTableView* logView(const WindowSet& windows, int team) {
  MatchWindow* match = windows.matchWindow();
  return team == 2 ? match->ui.teamTwoLog : match->ui.teamOneLog;
}

LogRow shownLogRow(const WindowSet& windows, int team, int row) {
  LogRow cells;
  for (int col = 0; col < 6; ++col) cells[col] = shown(logView(windows, team), col, row);
  return cells;
}

std::string OperatorButton::describe() const {
  return say(button->window()->objectName().toStdString(), ".", button->objectName().toStdString(),
             " '", button->text().toStdString(), "'");
}

std::vector<OperatorButton> operatorButtons(const WindowSet& windows) {
  using R = OperatorButton::Role;
  std::vector<OperatorButton> all;
  auto add = [&](QPushButton* b, WindowId w, R role, int team = 0, int code = 0) {
    all.push_back({b, w, role, team, code});
  };
  add(windows.teamSheet()->ui.finishInputButton, WindowId::TeamSheet, R::SheetSwitch);
  add(windows.matchWindow()->ui.startButton, WindowId::Match, R::Start);
  add(windows.matchWindow()->ui.pauseButton, WindowId::Match, R::Pause);
  add(windows.matchWindow()->ui.teamSheetButton, WindowId::Match, R::MatchSwitch);
  add(windows.matchWindow()->ui.correctionButton, WindowId::Match, R::PersonCorrect);
  add(windows.matchWindow()->ui.analysisButton, WindowId::Match, R::AnalysisOpen);
  add(windows.analysisWindow()->ui.teamOneButton, WindowId::Analysis, R::AnalysisTeam, 0, 1);
  add(windows.analysisWindow()->ui.teamTwoButton, WindowId::Analysis, R::AnalysisTeam, 0, 2);
  for (int i = 0; i < 30; ++i)
    add(windows.matchWindow()->personButtons[i], WindowId::Match, R::Person, i < 15 ? 1 : 2,
        i % 15);
  for (int code = 1; code <= 6; ++code)
    add(windows.matchWindow()->actionButtons[code - 1], WindowId::Match, R::Action, 0, code);
  for (int code = 1; code <= 10; ++code)
    add(windows.courtDialog()->locationButtons[code - 1], WindowId::Court, R::Location, 0, code);
  add(windows.courtDialog()->ui.benchButton, WindowId::Court, R::Bench, 0, 11);
  for (int code = 1; code <= 11; ++code)
    add(windows.courtDialog()->zoneButtons[code - 1], WindowId::Court, R::Zone, 0, code);
  add(windows.courtDialog()->ui.correctionButton, WindowId::Court, R::CourtCorrect);
  const struct {
    DetailDialog* dialog;
    WindowId w;
    int choices;
  } details[] = {{windows.keepMissDialog(), WindowId::KeepMiss, 7},
                 {windows.penaltyThrowDialog(), WindowId::PenaltyThrow, 4},
                 {windows.foulDialog(), WindowId::Foul, 3},
                 {windows.timeOutDialog(), WindowId::TimeOut, 4}};
  for (const auto& d : details) {
    // at(): a dialog with fewer choices than its codes fails the test.
    for (int code = 1; code <= d.choices; ++code)
      add(d.dialog->choiceButtons().at(code - 1), d.w, R::DetailChoice, 0, code);
    add(d.dialog->correctionButton(), d.w, R::DetailCorrect);
  }
  return all;
}

std::vector<std::string> whatIsSeen(const WindowSet& windows) {
  std::vector<std::string> seen;
  for (int n = 1; n <= kWindowCount; ++n) {
    const RecorderWindow* w = windows.window(static_cast<WindowId>(n));
    seen.push_back(say(w->objectName().toStdString(), w->isVisible() ? " shows" : " is hidden"));
  }
  for (int team = 1; team <= 2; ++team) {
    QTableView* view = logView(windows, team);
    seen.push_back(
        say("log ", team, ": ", shownRows(view), " rows, cursor at row ", shownSelectedRow(view)));
    for (int row = 0; row < shownRows(view); ++row)
      seen.push_back(
          say("log ", team, " row ", row, ": ", joined(shownLogRow(windows, team, row))));
  }
  const MatchWindow* match = windows.matchWindow();
  const TeamSheetWindow* sheet = windows.teamSheet();
  for (const QLabel* panel :
       {match->ui.clockPanel, match->ui.teamOneScorePanel, match->ui.teamTwoScorePanel,
        match->ui.teamOneLogNamePanel, match->ui.teamTwoLogNamePanel, match->ui.teamOneRowNamePanel,
        match->ui.teamTwoRowNamePanel, match->ui.teamOneStrengthLabel,
        match->ui.teamTwoStrengthLabel, sheet->ui.teamOneWarningsPanel,
        sheet->ui.teamTwoWarningsPanel})
    seen.push_back(
        say(panel->objectName().toStdString(), " reads '", panel->text().toStdString(), "'"));
  for (int i = 0; i < match->ui.noticesList->count(); ++i)
    seen.push_back(say("notice ", i, ": ", match->ui.noticesList->item(i)->text().toStdString()));
  QTableView* roster = sheet->ui.rosterGrid;
  for (int row = 0; row < shownRows(roster); ++row)
    for (int col = 0; col <= 13; ++col)
      seen.push_back(say("roster (", col, ", ", row, ") '", shown(roster, col, row), "'"));
  for (const QLineEdit* box : {sheet->ui.teamOneNameEdit, sheet->ui.teamTwoNameEdit,
                               sheet->ui.fileNameEdit, sheet->ui.exportPrefixEdit})
    seen.push_back(say(box->objectName().toStdString(), " '", box->text().toStdString(), "'"));
  const EventFactsPanel* facts = windows.factsPanel();
  seen.push_back(say("facts panel '", facts->ui.targetPanel->text().toStdString(), "'"));
  for (const QPushButton* b : facts->findChildren<QPushButton*>())
    seen.push_back(say(b->objectName().toStdString(), " '", b->text().toStdString(), "' ",
                       b->isEnabled(), b->isChecked()));
  for (const QComboBox* box : facts->goalkeeperBoxes)
    seen.push_back(say(box->objectName().toStdString(), " '", box->currentText().toStdString()));
  for (const OperatorButton& b : operatorButtons(windows))
    if (b.button->window()->isVisible())
      seen.push_back(say(b.describe(), b.button->isEnabled() ? " usable" : " not usable"));
  return seen;
}
