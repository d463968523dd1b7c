// A check by eye and by mpv's own counters: the player window plays a video
// for a while on the real display, then prints the frames shown and dropped
// and the video output mpv took. HB_VIDEO_VO chooses another output.
//
//   play_check FILE [SECONDS]   plays SECONDS (60) from the start
//   play_check FILE spans       plays three spans with their captions
#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "player_window.h"
#include "position_bar.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: play_check FILE [SECONDS]\n");
    return 2;
  }
  const bool spans = argc > 2 && std::string_view(argv[2]) == "spans";
  const double seconds = argc > 2 && !spans ? std::atof(argv[2]) : 60;
  PlayerWindow window;
  VideoPlayer& player = window.player();
  QObject::connect(&player, &VideoPlayer::failed, [](const QString& message) {
    std::fprintf(stderr, "failed: %s\n", qPrintable(message));
  });
  // Where the match window stands on a 1280x1024 screen.
  window.show();
  window.placeBeside(QRect(0, 0, 800, 700), window.screen()->availableGeometry());
  window.positionBar().setMarks({{5, Qt::red, "7 得点"}, {12, Qt::blue, "4 シュート"}});

  QObject::connect(&player, &VideoPlayer::loaded, [&](double duration) {
    std::printf("loaded: %.2f s at %.3f frames a second\n", duration, player.frameRate());
    if (spans) {
      QObject::connect(&player, &VideoPlayer::spanStarted,
                       [](int i) { std::printf("span %d from its start\n", i); });
      QObject::connect(&player, &VideoPlayer::spanEnded, [&] {
        std::printf("  ended at %.3f s (frame %lld)\n", player.position(), player.frameNumber());
      });
      QObject::connect(&player, &VideoPlayer::spansEnded, &app, &QApplication::quit);
      player.playSpans({{10, 13, "前半 10:00  7 山田  得点"},
                        {30, 32.48, "前半 12:31  4 佐藤  シュート (セーブ)"},
                        {50.2, 53, "後半 03:05  11 田中  退場 2分"}});
      return;
    }
    player.play();
    QTimer::singleShot(int(seconds * 1000), [&] {
      player.pause();
      std::printf("video output: %s\nat frame %lld (%.2f s), %lld frames dropped\n",
                  qPrintable(player.videoOutputInUse()), player.frameNumber(), player.position(),
                  player.droppedFrames());
      std::fflush(stdout);
      QTimer::singleShot(500, &app, &QApplication::quit);
    });
  });
  if (!player.open(QString::fromLocal8Bit(argv[1]))) {
    // Long enough to see the window's message.
    QTimer::singleShot(3000, &app, &QApplication::quit);
    app.exec();
    return 1;
  }
  return app.exec();
}
