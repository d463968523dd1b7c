// The whole program with a video, on the real display (Xvfb will do), the
// clock following the video as when recording from it:
//
//   watch_check VIDEO latency [TIMES]   TIMES (20) over: the video played
//       from a new place, a goal typed by keys, then Ctrl+Return; prints the
//       time from that key to the goal's first frame shown (the exact seek
//       to its lead landed and playing began), median and slowest
//   watch_check VIDEO record [SECONDS]  plays SECONDS (300) from the
//       kick-off while a goal is typed by keys every two seconds; prints
//       the frames shown and dropped by mpv's own counters and the events
//
// Keys go in as the platform delivers them, to the match window.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "fonts.h"
#include "match_script.h"
#include "match_window.h"
#include "player_window.h"
#include "video_desk.h"
#include "video_sync.h"
#include "window_set.h"

namespace {

// Both rosters, and the match started at 00:00.
constexpr const char* kScript =
    "team 1 東高校\nteam 2 西高校\n"
    "player 1 1 7 中村\nplayer 1 2 9 小野\nplayer 2 1 8 山口\n"
    "at 00:00\n";

void press(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, modifiers));
  QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

// A goal of team 1's number 7 from the left back into the middle zone:
// team, number, action, place, zone, a key every 80 ms as a quick operator.
void typeGoal(QWidget* to) {
  const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
      {Qt::Key_Q, Qt::NoModifier},      {Qt::Key_7, Qt::NoModifier},
      {Qt::Key_A, Qt::NoModifier},      {Qt::Key_1, Qt::KeypadModifier},
      {Qt::Key_5, Qt::KeypadModifier}};
  for (size_t i = 0; i < keys.size(); ++i)
    QTimer::singleShot(80 * int(i), to, [to, k = keys[i]] { press(to, k.first, k.second); });
}

// The program asks before it quits with events not saved; the figures are
// out, so the check ends here.
void done() {
  std::fflush(stdout);
  ::_exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("handball-watch-check"));
  registerFontSubstitutions();
  if (argc < 3) {
    std::fprintf(stderr, "usage: watch_check VIDEO latency [TIMES] | record [SECONDS]\n");
    return 2;
  }
  const bool latency = std::string_view(argv[2]) == "latency";
  const double amount = argc > 3 ? std::atof(argv[3]) : latency ? 20 : 300;
  QTemporaryDir dir;
  const std::string script = dir.filePath("roster.match").toStdString();
  std::ofstream(script) << kScript;

  WindowSet windows;
  windows.start();
  Screen& screen = windows.screen();
  screen.showSplashOnce();
  screen.closeSplash();
  const auto wallClock = windows.match().timeOfDay;
  playMatchScript(screen, script);
  windows.match().timeOfDay = wallClock;
  windows.refresh();

  windows.openVideo(argv[1]);
  PlayerWindow& playerWindow = *windows.video().window();
  VideoPlayer& player = playerWindow.player();
  QWidget* matchWindow = windows.matchWindow();
  QObject::connect(&player, &VideoPlayer::failed, [](const QString& message) {
    std::fprintf(stderr, "failed: %s\n", qPrintable(message));
    QCoreApplication::exit(1);
  });

  std::vector<double> delays;
  QElapsedTimer sinceKey;
  QTimer ticker;
  int round = 0;
  // Latency: each round plays from a new place, types a goal, then asks to
  // see it; the round ends when the goal's lead is on screen and playing.
  std::function<void()> nextRound = [&] {
    if (round == int(amount)) {
      std::sort(delays.begin(), delays.end());
      std::printf("key to first frame, %zu times: median %.0f ms, slowest %.0f ms (%s)\n",
                  delays.size(), delays[delays.size() / 2], delays.back(),
                  qPrintable(player.videoOutputInUse()));
      done();
      return;
    }
    const double at = 20 + (round * 37) % int(std::max(30.0, player.duration() - 40));
    ++round;
    player.seek(at);
    player.play();
    QTimer::singleShot(1500, [&] { typeGoal(matchWindow); });
    QTimer::singleShot(2500, [&] {
      sinceKey.start();
      press(matchWindow, Qt::Key_Return, Qt::ControlModifier);
    });
  };
  QObject::connect(&player, &VideoPlayer::pausedChanged, [&](bool paused) {
    if (!latency || paused || !player.playingSpans() || !sinceKey.isValid()) return;
    delays.push_back(sinceKey.nsecsElapsed() / 1e6);
    sinceKey.invalidate();
    QTimer::singleShot(1000, [&] { nextRound(); });
  });

  QObject::connect(&player, &VideoPlayer::loaded, [&] {
    // The kick-off at the start of the video; the clock follows it.
    VideoLink link = windows.match().video();
    setSyncPoint(link, kickOffMoment(windows.match().clockRuns()), 0);
    link.clockFollows = true;
    windows.match().setVideo(link);
    windows.refresh();
    if (latency) return nextRound();
    player.play();
    ticker.setInterval(2000);
    QObject::connect(&ticker, &QTimer::timeout, [&] { typeGoal(matchWindow); });
    ticker.start();
    QTimer::singleShot(int(amount * 1000), [&] {
      ticker.stop();
      std::printf("played %.0f s: frame %lld, %lld dropped (%s); %zu events recorded\n",
                  player.position(), player.frameNumber(), player.droppedFrames(),
                  qPrintable(player.videoOutputInUse()), windows.match().events().size());
      done();
    });
  });
  return app.exec();
}
