// "記録の内容": a small window beside the match window, shown whenever it is.
// It names the event recorded last and offers, one click each, only the
// facts that fit it (how a miss ended, the kind of attack, the assist of
// a goal, the written report of a disqualification), with the choice that
// is on pressed in; and per team who is in goal. Its clicks go through the
// match window's handler, so a step here is kept and redrawn as any
// other; it never takes the keyboard's focus, so the keys keep going to
// the match window.
#pragma once

#include <QComboBox>
#include <QPushButton>
#include <array>
#include <vector>

#include "recorder_window.h"
#include "ui_event_facts_panel.h"

class EventFactsPanel : public QWidget {
  Q_OBJECT

 public:
  // `host` runs the steps: the match window.
  EventFactsPanel(Screen& screen, RecorderWindow& host);

  void refresh();
  std::vector<KeyedControl> keyedControls() const;
  // Beside `window` on its right, its top at the same height.
  void placeBeside(const QWidget& window);

  Ui::EventFactsPanel ui;
  // By MissOutcome code - 1, by AttackKind code, by roster slot (0 unused).
  std::array<QPushButton*, kMissOutcomes> outcomeButtons{};
  std::array<QPushButton*, kAttackKinds> attackButtons{};
  std::array<QPushButton*, kRosterLines> assistButtons{};
  std::array<QComboBox*, 2> goalkeeperBoxes{};  // by team index

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  void step(const std::function<void()>& body);

  Screen& screen_;
  RecorderWindow& host_;
};
