// The window 「映像」: the video, its position bar with the events marked,
// and the buttons that play, step and set the speed. The keys for these are
// the program's keymap's, which call the public slots.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>

#include "video_player.h"

namespace Ui {
class PlayerWindow;
}
class PositionBar;
class QHBoxLayout;

// "mm:ss.ff": minutes, seconds and the frame within the second.
QString videoTimeText(double seconds, double frameRate);

class PlayerWindow : public QWidget {
  Q_OBJECT

 public:
  // `videoOutput` as VideoPlayer takes it (empty: the default).
  explicit PlayerWindow(const QString& videoOutput = {}, QWidget* parent = nullptr);
  ~PlayerWindow() override;

  VideoPlayer& player() { return *player_; }
  PositionBar& positionBar();
  // Where the wiring puts buttons of its own, under the controls.
  QHBoxLayout& linkBar();

  // Beside the match window's frame on `screen`: to its right when there is
  // room, else at the screen's right edge.
  void placeBeside(const QRect& matchWindowFrame, const QRect& screen);

  static constexpr double kSpeeds[] = {0.25, 0.5, 0.75, 1.0, 1.5, 2.0};

 public slots:
  void playPause();
  void back10() { player_->step(-10); }
  void back2() { player_->step(-2); }
  void forward2() { player_->step(2); }
  void forward10() { player_->step(10); }
  void frameBack() { player_->stepFrame(-1); }
  void frameForward() { player_->stepFrame(1); }
  void setSpeed(double speed) { player_->setSpeed(speed); }
  // One step along kSpeeds.
  void faster();
  void slower();

 private:
  void showPosition(double seconds);
  void showSpeed(double speed);
  void showFailure(const QString& message);

  std::unique_ptr<Ui::PlayerWindow> ui_;
  VideoPlayer* player_;
};
