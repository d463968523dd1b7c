// The analysis window "分析": for one team, as a whole or one of its players,
// the shot chart on the court picture, goals over shots and the success rate
// per place, how the misses ended and the assists, the goal-zone map, the
// goalkeeper's view of the goal the team defends (or, for a player who
// keeps goal, of the shots he faced), the score flow of the match with its
// time-outs, and beside it each half's score and both teams' goals over
// shots; below, shots and saves per position group and kind of attack.
// Further pages show the figures of the federations' layout, numbers on
// court, the stretches of play, runs, attacks and the time-outs' effect, and
// lost possessions with the 7 m throws won (analysis_pages.h). Opened from
// the match window, it follows every step like the other windows; of its
// pages, only the one shown.
#pragma once

#include <functional>
#include <vector>

#include "event_choice.h"
#include "figures.h"
#include "recorder_window.h"
#include "ui_analysis_window.h"

class AnalysisWindow : public RecorderWindow {
  Q_OBJECT

 public:
  explicit AnalysisWindow(Screen& screen);

  void refresh() override;

  Ui::AnalysisWindow ui;

  void chooseTeam(TeamId team);
  // The person choice's entry: 0 the whole team, 1..14 the players' lines.
  void choosePerson(int index);

  // The match's video, while one is open: a click on a shot mark plays that
  // shot, and the video bar plays or exports the events chosen by the team
  // and person above and by its own choices.
  struct VideoHooks {
    std::function<bool()> open;
    std::function<void(const std::vector<std::size_t>&)> play;
    std::function<void(const std::vector<std::size_t>&)> exportClips;
  };
  void setVideoHooks(VideoHooks hooks);
  EventChoice videoChoice();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showOverview(const MatchFigures& f);
  void setUpVideoBar();
  void showVideoBar();

  VideoHooks video_;

  bool placed_ = false;
};
