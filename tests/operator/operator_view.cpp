#include "operator_view.h"

#include "court_window.h"
#include "foul_dialog.h"
#include "grid_view.h"
#include "keep_miss_dialog.h"
#include "match_window.h"
#include "penalty_throw_dialog.h"
#include "splash_window.h"
#include "team_sheet_window.h"
#include "time_out_dialog.h"

QTableView* logView(int team) {
  return team == 2 ? Form2->ui.StringGrid2 : Form2->ui.StringGrid1;
}

LogRow shownLogRow(int team, int row) {
  LogRow cells;
  for (int col = 0; col < 6; ++col) cells[col] = shown(logView(team), col, row);
  return cells;
}

std::string OperatorButton::describe() const {
  return say("Form", static_cast<int>(window), ".", button->objectName().toStdString(), " '",
             button->text().toStdString(), "'");
}

std::vector<OperatorButton> operatorButtons() {
  using R = OperatorButton::Role;
  std::vector<OperatorButton> all;
  auto add = [&](QPushButton* b, Window w, R role, int team = 0, int code = 0) {
    all.push_back({b, w, role, team, code});
  };
  add(Form1->ui.Button1, Window::TeamSheet, R::SheetSwitch);
  add(Form2->ui.Button31, Window::Match, R::Start);
  add(Form2->ui.Button32, Window::Match, R::Pause);
  add(Form2->ui.Button39, Window::Match, R::MatchSwitch);
  add(Form2->ui.Button40, Window::Match, R::PersonCorrect);
  for (int i = 0; i < 30; ++i)
    add(Form2->personButtons[i], Window::Match, R::Person, i < 15 ? 1 : 2, i % 15);
  for (int code = 1; code <= 6; ++code)
    add(Form2->actionButtons[code - 1], Window::Match, R::Action, 0, code);
  for (int code = 1; code <= 10; ++code)
    add(Form3->locationButtons[code - 1], Window::Court, R::Location, 0, code);
  add(Form3->ui.Button21, Window::Court, R::Bench, 0, 11);
  for (int code = 1; code <= 11; ++code)
    add(Form3->zoneButtons[code - 1], Window::Court, R::Zone, 0, code);
  add(Form3->ui.Button23, Window::Court, R::CourtCorrect);
  const struct {
    Window w;
    int choices;
  } details[] = {
      {Window::KeepMiss, 7}, {Window::Penalty, 4}, {Window::Foul, 3}, {Window::Situation, 4}};
  for (const auto& d : details) {
    QWidget* form = formOf(d.w);
    auto numbered = [form](int n) {
      return form->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
    };
    for (int code = 1; code <= d.choices; ++code)
      add(numbered(code), d.w, R::DetailChoice, 0, code);
    add(numbered(d.choices + 1), d.w, R::DetailCorrect);
  }
  return all;
}
