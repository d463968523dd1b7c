#include "player_window.h"

#include <QGuiApplication>
#include <cmath>

#include "position_bar.h"
#include "ui_player_window.h"

QString videoTimeText(double seconds, double frameRate) {
  const int perSecond = std::max(1, int(std::lround(frameRate)));
  const long long frames = std::llround(std::max(0.0, seconds) * frameRate);
  const long long wholeSeconds = frames / perSecond;
  return QStringLiteral("%1:%2.%3")
      .arg(wholeSeconds / 60, 2, 10, QLatin1Char('0'))
      .arg(wholeSeconds % 60, 2, 10, QLatin1Char('0'))
      .arg(frames % perSecond, 2, 10, QLatin1Char('0'));
}

namespace {

// mpv draws into an X11 window of ours; on other platforms it opens its own.
qint64 videoWindow(QWidget* area) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
  area->setAttribute(Qt::WA_DontCreateNativeAncestors);
  area->setAttribute(Qt::WA_NativeWindow);
  return qint64(area->winId());
}

}  // namespace

PlayerWindow::PlayerWindow(const QString& videoOutput, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::PlayerWindow>()) {
  ui_->setupUi(this);
  ui_->videoArea->setAutoFillBackground(true);
  QPalette black = ui_->videoArea->palette();
  black.setColor(QPalette::Window, Qt::black);
  ui_->videoArea->setPalette(black);
  player_ = new VideoPlayer(videoWindow(ui_->videoArea), videoOutput, this);

  connect(ui_->playButton, &QToolButton::clicked, this, &PlayerWindow::playPause);
  connect(ui_->back10Button, &QToolButton::clicked, this, &PlayerWindow::back10);
  connect(ui_->back2Button, &QToolButton::clicked, this, &PlayerWindow::back2);
  connect(ui_->forward2Button, &QToolButton::clicked, this, &PlayerWindow::forward2);
  connect(ui_->forward10Button, &QToolButton::clicked, this, &PlayerWindow::forward10);
  connect(ui_->frameBackButton, &QToolButton::clicked, this, &PlayerWindow::frameBack);
  connect(ui_->frameForwardButton, &QToolButton::clicked, this, &PlayerWindow::frameForward);
  ui_->speedBox->setCurrentIndex(3);  // 1×
  connect(ui_->speedBox, &QComboBox::activated, this,
          [this](int index) { player_->setSpeed(kSpeeds[index]); });
  connect(ui_->positionBar, &PositionBar::seekRequested, player_, &VideoPlayer::seek);

  connect(player_, &VideoPlayer::positionChanged, this, &PlayerWindow::showPosition);
  connect(player_, &VideoPlayer::speedChanged, this, &PlayerWindow::showSpeed);
  connect(player_, &VideoPlayer::durationChanged, ui_->positionBar, &PositionBar::setDuration);
  connect(player_, &VideoPlayer::pausedChanged, this, [this](bool paused) {
    ui_->playButton->setText(paused ? QStringLiteral("再生") : QStringLiteral("一時停止"));
  });
  connect(player_, &VideoPlayer::loaded, this, [this](double duration) {
    ui_->messageLabel->hide();
    ui_->positionBar->setDuration(duration);
    showPosition(player_->position());
  });
  connect(player_, &VideoPlayer::failed, this, &PlayerWindow::showFailure);
}

PlayerWindow::~PlayerWindow() {
  // mpv stops drawing before the window it draws into goes.
  delete player_;
}

PositionBar& PlayerWindow::positionBar() {
  return *ui_->positionBar;
}

QHBoxLayout& PlayerWindow::linkBar() {
  return *ui_->linkBar;
}

void PlayerWindow::placeBeside(const QRect& matchWindowFrame, const QRect& screen) {
  // The frame's border and title, known once the window has been shown.
  const QSize decoration = frameGeometry().size() - size();
  constexpr int kMinWidth = 320;
  const int room = screen.right() - matchWindowFrame.right();
  const int frameWidth = room >= kMinWidth ? room : std::min(width(), screen.width());
  const int left =
      room >= kMinWidth ? matchWindowFrame.right() + 1 : screen.right() + 1 - frameWidth;
  const int clientWidth = frameWidth - decoration.width();
  // A 16:9 picture across the width, the controls under it.
  const int controls = height() - ui_->videoArea->height();
  const int clientHeight =
      std::min(clientWidth * 9 / 16 + controls, screen.height() - decoration.height());
  resize(clientWidth, clientHeight);
  move(left, std::max(screen.top(), matchWindowFrame.top()));
}

void PlayerWindow::playPause() {
  player_->togglePause();
}

void PlayerWindow::faster() {
  for (double speed : kSpeeds)
    if (speed > player_->speed() + 1e-9) return player_->setSpeed(speed);
}

void PlayerWindow::slower() {
  for (auto it = std::rbegin(kSpeeds); it != std::rend(kSpeeds); ++it)
    if (*it < player_->speed() - 1e-9) return player_->setSpeed(*it);
}

void PlayerWindow::showPosition(double seconds) {
  ui_->positionBar->setPosition(seconds);
  ui_->timeLabel->setText(videoTimeText(seconds, player_->frameRate()));
}

void PlayerWindow::showSpeed(double speed) {
  for (int i = 0; i < int(std::size(kSpeeds)); ++i)
    if (std::abs(kSpeeds[i] - speed) < 1e-9) ui_->speedBox->setCurrentIndex(i);
}

void PlayerWindow::showFailure(const QString& message) {
  ui_->messageLabel->setText(message);
  ui_->messageLabel->show();
}
