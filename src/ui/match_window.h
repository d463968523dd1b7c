// The match window: the clock, the persons of both teams, the actions, the
// two event logs and the score.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <array>

#include "recorder_window.h"
#include "ui_match_window.h"

class MatchWindow : public RecorderWindow {
  Q_OBJECT

 public:
  explicit MatchWindow(MatchModel& model);

  void FormCreate();
  void refresh() override;

  Ui::MatchWindow ui;
  QTimer Timer1;
  // Button1..Button30, in number order.
  std::array<QPushButton*, 30> personButtons{};
  // The six action buttons by action code - 1 (Button38 is the time-out).
  std::array<QPushButton*, 6> actionButtons{};

  void Button31Click();  // 試合開始
  void Button32Click();  // 中断/続行
  void Button33Click();  // 得点
  void Button34Click();  // シュートミス
  void Button35Click();  // 保持ミス
  void Button36Click();  // PT(獲得)
  void Button37Click();  // 反則
  void Button38Click();  // 作戦タイム
  void Button39Click();  // 画面切り替え
  void Button40Click();  // 修正
  void Timer1Timer();
};
