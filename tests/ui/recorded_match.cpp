// The program with a match script already recorded through the screen's
// steps, for looking at the windows as the operator sees them (the pictures
// in docs/ are taken from it):
//   recorded_match SCRIPT [--analysis [TEAM [SLOT [PAGE]]]]
//   recorded_match SCRIPT --video FILE KICKOFF [--analysis ...]
// --analysis opens the analysis window on TEAM (1 or 2), as a whole (SLOT
// 0) or on the player of roster SLOT (1..14), at its tab PAGE (from 0).
// --video opens FILE with the kick-off at KICKOFF seconds of it; the script
// is played in an instant, so its events are placed by their match time.
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <iostream>
#include <string>

#include "fonts.h"
#include "match_script.h"
#include "video_sync.h"
#include "window_set.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("handball"));
  app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  app.setQuitOnLastWindowClosed(false);
  registerFontSubstitutions();
  if (argc < 2) {
    std::cerr << "usage: recorded_match SCRIPT [--analysis [TEAM [SLOT [PAGE]]]]\n";
    return 2;
  }
  WindowSet windows;
  windows.start();
  Screen& screen = windows.screen();
  screen.showSplashOnce();  // and closed at once: it would cover the windows
  screen.closeSplash();
  playMatchScript(screen, argv[1]);
  int next = 2;  // the first argument after the script's options so far
  if (argc > 4 && std::string(argv[2]) == "--video") {
    next = 5;
    MatchState played = windows.match().state();
    played.clockRuns.clear();
    for (Event& e : played.events) e.pickedAt = -1;
    windows.match().restore(played);
    windows.openVideo(argv[3]);
    VideoLink link = windows.match().video();
    setSyncPoint(link, kickOffMoment({}), std::atof(argv[4]));
    windows.match().setVideo(link);
  }
  if (argc > next && std::string(argv[next]) == "--analysis") {
    if (argc > next + 1) {
      const std::optional<TeamId> team = teamNumbered(std::atoi(argv[next + 1]));
      if (!team) {
        std::cerr << "no such team: " << argv[next + 1] << "\n";
        return 2;
      }
      screen.chooseAnalysisTeam(*team);
    }
    if (argc > next + 2 && std::atoi(argv[next + 2]) > 0)
      screen.chooseAnalysisPerson(std::atoi(argv[next + 2]));
    if (argc > next + 3)
      windows.analysisWindow()->ui.pageTabs->setCurrentIndex(std::atoi(argv[next + 3]));
    screen.showAnalysis();
  }
  windows.refresh();
  return app.exec();
}
