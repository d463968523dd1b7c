#include "video_desk.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "clip_export.h"
#include "clip_progress_dialog.h"
#include "event_choice.h"
#include "message_box.h"
#include "player_window.h"
#include "position_bar.h"
#include "video_sync.h"

namespace {

const QString kGeometryKey = QStringLiteral("video/geometry");
const QString kClipFolderKey = QStringLiteral("video/clipFolder");

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

QColor teamColour(TeamId team) {
  return team == TeamId::One ? QColor(0xd4, 0xb1, 0x00) : QColor(0x00, 0xa0, 0x3c);
}

}  // namespace

VideoDesk::VideoDesk(Match& match, QWidget& matchWindow, std::function<void()> redraw,
                     std::function<void()> keep)
    : match_(match),
      matchWindow_(matchWindow),
      redraw_(std::move(redraw)),
      keep_(std::move(keep)) {}

VideoDesk::~VideoDesk() {
  if (window_) QSettings().setValue(kGeometryKey, window_->saveGeometry());
}

bool VideoDesk::isOpen() const {
  return window_ && window_->player().isOpen();
}

void VideoDesk::makeWindow() {
  if (window_) return;
  window_ = std::make_unique<PlayerWindow>();
  window_->setObjectName(QStringLiteral("playerWindow"));
  // The tie to the match, under the player's own controls.
  QHBoxLayout& bar = window_->linkBar();
  auto* here = new QLabel(QStringLiteral("ここが"), window_.get());
  auto* kickOff = new QPushButton(QStringLiteral("キックオフ"), window_.get());
  kickOff->setObjectName(QStringLiteral("kickOffButton"));
  kickOff->setToolTip(QStringLiteral("映像の今の位置を試合開始 (前半 00:00) に合わせる"));
  auto* secondHalf = new QPushButton(QStringLiteral("後半開始"), window_.get());
  secondHalf->setObjectName(QStringLiteral("secondHalfButton"));
  secondHalf->setToolTip(
      QStringLiteral("映像の今の位置を後半の開始に合わせる (ハーフタイムを切った映像)"));
  followBox_ = new QCheckBox(QStringLiteral("時計を映像に"), window_.get());
  followBox_->setObjectName(QStringLiteral("followBox"));
  followBox_->setToolTip(QStringLiteral("映像から記録する: 試合の時計が映像の位置に従う"));
  tieLabel_ = new QLabel(window_.get());
  tieLabel_->setObjectName(QStringLiteral("tieLabel"));
  bar.addWidget(here);
  bar.addWidget(kickOff);
  bar.addWidget(secondHalf);
  bar.addWidget(followBox_);
  bar.addWidget(tieLabel_, 1);
  connect(kickOff, &QPushButton::clicked, this, [this] {
    VideoLink link = match_.video();
    setSyncPoint(link, kickOffMoment(match_.clockRuns()), window_->player().position());
    setTie(link);
  });
  connect(secondHalf, &QPushButton::clicked, this, [this] {
    VideoLink link = match_.video();
    setSyncPoint(link, periodStartMoment(2, match_.settings().periods, match_.clockRuns()),
                 window_->player().position());
    setTie(link);
  });
  connect(followBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (on == match_.video().clockFollows) return;
    VideoLink link = match_.video();
    link.clockFollows = on;
    setTie(link);
  });

  VideoPlayer& player = window_->player();
  connect(&player, &VideoPlayer::positionChanged, this, &VideoDesk::showPosition);
  // Where the operator left the video is kept at each pause.
  connect(&player, &VideoPlayer::pausedChanged, this, [this](bool paused) {
    match_.videoAt(window_->player().position(), !paused);
    if (paused) keep_();
  });
  connect(&player, &VideoPlayer::loaded, this, [this] { refreshMarks(); });

  const QByteArray geometry = QSettings().value(kGeometryKey).toByteArray();
  if (geometry.isEmpty() || !window_->restoreGeometry(geometry)) {
    // Beside the match window, or the window in front before it shows.
    const QWidget* beside = &matchWindow_;
    if (!matchWindow_.isVisible() && QApplication::activeWindow())
      beside = QApplication::activeWindow();
    const QScreen* screen = beside->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QRect frame = beside->frameGeometry();
    // Under the match window and the facts panel at its right, when there
    // is room; else beside it.
    constexpr int kLeast = 300;
    if (area.bottom() - frame.bottom() >= kLeast)
      window_->setGeometry(frame.left(), frame.bottom() + 1, area.right() - frame.left(),
                           area.bottom() - frame.bottom());
    else
      window_->placeBeside(frame, area);
  }
}

void VideoDesk::open(const std::filesystem::path& file) {
  makeWindow();
  VideoLink link = match_.video();
  const std::string kept = keptPath(file);
  // Another video: the old tie does not hold for it.
  if (kept != link.path) link = VideoLink{kept};
  link.position = 0;
  askedFor_ = kept;
  match_.setVideo(link);
  openFile(QString::fromStdString(file.string()), 0);
  keep_();
}

void VideoDesk::choose() {
  if (isOpen()) {
    window_->show();
    window_->raise();
    return;
  }
  const QString file = QFileDialog::getOpenFileName(
      &matchWindow_, QStringLiteral("試合の映像を開く"), QString(),
      QStringLiteral("映像 (*.mp4 *.m4v *.mov *.mkv *.avi *.mts *.m2ts *.ts *.webm *.mpg "
                     "*.mpeg *.wmv *.3gp);;すべてのファイル (*)"));
  if (!file.isEmpty()) open(file.toStdString());
}

void VideoDesk::openFile(const QString& file, double at) {
  makeWindow();
  followBox_->setChecked(match_.video().clockFollows);
  window_->setWindowTitle(QStringLiteral("映像 - %1").arg(QFileInfo(file).fileName()));
  window_->show();
  window_->player().open(file, at);
  markedEvents_ = ~size_t{0};
  showTie();
}

void VideoDesk::matchChanged() {
  const VideoLink& link = match_.video();
  if (link.path.empty()) {
    if (isOpen()) {
      window_->player().close();
      window_->hide();
    }
    askedFor_.clear();
    return;
  }
  if (link.path != askedFor_) {
    askedFor_ = link.path;
    const std::filesystem::path file = fileOf(link.path);
    std::error_code error;
    if (std::filesystem::exists(file, error))
      openFile(qs(file.string()), link.position);
    else  // out of the redraw that called this: the boxes run an event loop
      QTimer::singleShot(0, this, [this, file] { askWhereVideoIs(file); });
  }
  refreshMarks();
  showTie();
}

// The match's video has moved or is on a disk not there now.
void VideoDesk::askWhereVideoIs(const std::filesystem::path& file) {
  showNotice(&matchWindow_,
             QStringLiteral("この試合の映像が見つかりません:\n%1\n今の場所を選んでください。")
                 .arg(qs(file.string())));
  const QString chosen =
      QFileDialog::getOpenFileName(&matchWindow_, QStringLiteral("試合の映像の今の場所"));
  if (chosen.isEmpty()) return;
  VideoLink moved = match_.video();
  moved.path = askedFor_ = keptPath(chosen.toStdString());
  match_.setVideo(moved);
  openFile(chosen, moved.position);
  keep_();
}

void VideoDesk::watch(const Event& e) {
  // The logs hand out references into the match's events.
  playEvents({static_cast<std::size_t>(&e - match_.events().data())});
}

std::vector<EventClip> VideoDesk::clipsOf(const std::vector<std::size_t>& events) {
  if (events.empty()) {
    showNotice(window_.get(), QStringLiteral("選んだ記録がありません。"));
    return {};
  }
  std::vector<EventClip> clips = eventClips(match_, events);
  if (clips.empty())
    showNotice(window_.get(),
               QStringLiteral("映像と試合がまだ合わせてありません。キックオフの場面で"
                              "「キックオフ」を押すか、記録の行のメニューで"
                              "「この記録を映像の今の位置に合わせる」を選んでください。"));
  return clips;
}

void VideoDesk::playEvents(const std::vector<std::size_t>& events) {
  if (!isOpen()) return;
  const std::vector<EventClip> clips = clipsOf(events);
  if (clips.empty()) return;
  std::vector<VideoPlayer::Span> spans;
  for (const EventClip& c : clips) spans.push_back({c.from, c.to, qs(c.caption)});
  window_->show();
  window_->raise();
  window_->player().playSpans(std::move(spans));
}

void VideoDesk::exportClips(const std::vector<std::size_t>& events) {
  if (!isOpen()) return;
  const std::vector<EventClip> clips = clipsOf(events);
  if (clips.empty()) return;
  QSettings settings;
  const QString video = window_->player().path();
  const QString folder = QFileDialog::getExistingDirectory(
      window_.get(), QStringLiteral("クリップの書き出し先"),
      settings.value(kClipFolderKey, QFileInfo(video).absolutePath()).toString());
  if (folder.isEmpty()) return;
  settings.setValue(kClipFolderKey, folder);
  std::vector<Clip> list;
  for (const EventClip& c : clips) list.push_back({c.from, c.to, qs(c.name), qs(c.caption)});
  ClipExport clipExport;
  ClipProgressDialog progress(clipExport, window_.get());
  QString outcome;
  connect(&clipExport, &ClipExport::finished, this,
          [&outcome](bool, const QString& message) { outcome = message; });
  clipExport.start(video, folder, std::move(list));
  progress.exec();
  if (!outcome.isEmpty()) showNotice(window_.get(), outcome);
}

void VideoDesk::tie(const Event& e) {
  if (!isOpen()) return;
  VideoLink link = match_.video();
  setSyncPoint(link, momentOf(e, match_.clockRuns()), window_->player().position());
  setTie(link);
}

void VideoDesk::setTie(VideoLink link) {
  link.position = window_->player().position();
  match_.setVideo(std::move(link));
  refreshMarks();
  showTie();
  keep_();
}

void VideoDesk::command(VideoCommand c) {
  if (!isOpen()) return;
  PlayerWindow& w = *window_;
  switch (c) {
    case VideoCommand::PlayPause:
      return w.playPause();
    case VideoCommand::Back2:
      return w.back2();
    case VideoCommand::Forward2:
      return w.forward2();
    case VideoCommand::Back10:
      return w.back10();
    case VideoCommand::Forward10:
      return w.forward10();
    case VideoCommand::FrameBack:
      return w.frameBack();
    case VideoCommand::FrameForward:
      return w.frameForward();
    case VideoCommand::Slower:
      return w.slower();
    case VideoCommand::Faster:
      return w.faster();
    case VideoCommand::ShowLast:
      if (!match_.events().empty()) watch(match_.events().back());
      return;
  }
}

// While the clock follows the video, the windows are redrawn when what the
// clock shows changes, not at every frame.
void VideoDesk::showPosition(double seconds) {
  match_.videoAt(seconds, !window_->player().paused());
  if (!match_.video().clockFollows) return;
  const MatchClock& clock = match_.clock();
  if (clock.shownSeconds() == shownSeconds_ && clock.ticking() == shownTicking_) return;
  shownSeconds_ = clock.shownSeconds();
  shownTicking_ = clock.ticking();
  redraw_();
}

void VideoDesk::refreshMarks() {
  if (!window_) return;
  const VideoLink& link = match_.video();
  if (markedEvents_ == match_.events().size() && markedRewrites_ == match_.eventsRewritten() &&
      markedPoints_ == link.points)
    return;
  markedEvents_ = match_.events().size();
  markedRewrites_ = match_.eventsRewritten();
  markedPoints_ = link.points;
  std::vector<PositionMark> marks;
  for (const Event& e : match_.events())
    if (const auto at = videoPositionOf(e, link, match_.clockRuns()))
      marks.push_back({*at, teamColour(e.team), qs(eventCaption(match_, e))});
  window_->positionBar().setMarks(std::move(marks));
}

void VideoDesk::showTie() {
  if (!tieLabel_) return;
  const auto& points = match_.video().points;
  tieLabel_->setText(points.empty() ? QStringLiteral("未同期")
                                    : QStringLiteral("同期 %1 点").arg(points.size()));
}

std::string VideoDesk::keptPath(const std::filesystem::path& file) const {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  if (!folder_.empty()) {
    const std::filesystem::path relative = absolute.lexically_relative(folder_);
    if (!relative.empty() && *relative.begin() != "..") return relative.string();
  }
  return absolute.string();
}

std::filesystem::path VideoDesk::fileOf(const std::string& kept) const {
  const std::filesystem::path path(kept);
  return path.is_relative() && !folder_.empty() ? folder_ / path : path;
}
