#include "video_player.h"

#include <QByteArray>
#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>
#include <cmath>

#include "mpv_library.h"

namespace {

// Reply ids of the observed properties; the frame number is read when asked.
enum Observed : uint64_t { TimePos = 1, Pause, Speed, Duration, EndReached };

QByteArray number(double value) {
  return QByteArray::number(value, 'f', 6);
}

}  // namespace

VideoPlayer::VideoPlayer(qint64 windowId, const QString& videoOutput, QObject* parent)
    : QObject(parent),
      windowId_(windowId),
      videoOutput_(videoOutput.isEmpty() ? defaultVideoOutput() : videoOutput) {}

VideoPlayer::~VideoPlayer() {
  if (!mpv_) return;
  mpv_lib_->setWakeupCallback(mpv_, nullptr, nullptr);
  mpv_lib_->terminateDestroy(mpv_);
}

QString VideoPlayer::defaultVideoOutput() {
  const QByteArray chosen = qgetenv("HB_VIDEO_VO");
  if (!chosen.isEmpty()) return QString::fromUtf8(chosen);
  // OpenGL where a GPU draws it. Without one, mpv refuses a software OpenGL
  // driver (llvmpipe) and falls back to plain X11 output, which kept up with
  // 1280x720 at 25 frames a second on two busy cores where llvmpipe dropped
  // a fifth of the frames (docs/performance.md).
  return QStringLiteral("gpu,x11");
}

bool VideoPlayer::start() {
  if (mpv_) return true;
  QString error;
  mpv_lib_ = MpvLibrary::get(&error);
  if (!mpv_lib_) {
    reportError(error);
    return false;
  }
  mpv_ = mpv_lib_->create();
  if (!mpv_) {
    reportError(QStringLiteral("映像を再生するライブラリ (libmpv) を始められません"));
    return false;
  }
  const auto set = [&](const char* name, const QByteArray& value) {
    mpv_lib_->setOptionString(mpv_, name, value.constData());
  };
  set("vo", videoOutput_.toUtf8());
  if (windowId_ != 0) {
    int64_t wid = windowId_;
    mpv_lib_->setOption(mpv_, "wid", MPV_FORMAT_INT64, &wid);
  }
  // The end of the video pauses on its last frame instead of closing it.
  set("keep-open", "always");
  set("idle", "yes");
  // Every seek lands on its frame, not on the key frame before it.
  set("hr-seek", "yes");
  // The program's keymap handles the keys; mpv takes neither keys nor mouse.
  set("input-default-bindings", "no");
  set("input-vo-keyboard", "no");
  set("input-cursor", "no");
  set("cursor-autohide", "no");
  set("osd-font-size", "40");
  // Without a GPU the picture is scaled on the processor (the X11 output);
  // the cheapest scaler keeps 720p at 25 frames a second beside recording.
  set("sws-scaler", "fast-bilinear");

  mpv_lib_->observeProperty(mpv_, TimePos, "time-pos", MPV_FORMAT_DOUBLE);
  mpv_lib_->observeProperty(mpv_, Pause, "pause", MPV_FORMAT_FLAG);
  mpv_lib_->observeProperty(mpv_, Speed, "speed", MPV_FORMAT_DOUBLE);
  mpv_lib_->observeProperty(mpv_, Duration, "duration", MPV_FORMAT_DOUBLE);
  mpv_lib_->observeProperty(mpv_, EndReached, "eof-reached", MPV_FORMAT_FLAG);

  // Called on any of mpv's threads: only a queued call to the Qt thread,
  // which takes every waiting event. One call at a time is enough.
  mpv_lib_->setWakeupCallback(
      mpv_,
      [](void* context) {
        auto* self = static_cast<VideoPlayer*>(context);
        if (!self->wakeQueued_.exchange(true))
          QMetaObject::invokeMethod(self, &VideoPlayer::processEvents, Qt::QueuedConnection);
      },
      this);
  const int status = mpv_lib_->initialize(mpv_);
  if (status < 0) {
    mpv_lib_->setWakeupCallback(mpv_, nullptr, nullptr);
    mpv_lib_->terminateDestroy(mpv_);
    mpv_ = nullptr;
    reportError(QStringLiteral("映像を表示できません (%1)")
                    .arg(QString::fromUtf8(mpv_lib_->errorString(status))));
    return false;
  }
  return true;
}

bool VideoPlayer::open(const QString& path, double startSeconds) {
  if (!QFileInfo(path).isFile()) {
    reportError(QStringLiteral("映像ファイルが見つかりません: %1").arg(path));
    return false;
  }
  if (!start()) return false;
  stop();
  path_ = path;
  loaded_ = false;
  pendingSeek_.reset();
  seekTarget_.reset();
  mpv_lib_->setPropertyString(mpv_, "pause", "yes");
  const QByteArray file = path.toUtf8();
  const QByteArray options = "start=" + number(std::max(0.0, startSeconds));
  command({"loadfile", file.constData(), "replace", options.constData()});
  return true;
}

void VideoPlayer::close() {
  stop();
  if (mpv_) command({"stop"});
  path_.clear();
  loaded_ = false;
  pendingSeek_.reset();
  seekTarget_.reset();
}

void VideoPlayer::play() {
  if (mpv_) mpv_lib_->setPropertyString(mpv_, "pause", "no");
}

void VideoPlayer::pause() {
  if (mpv_) mpv_lib_->setPropertyString(mpv_, "pause", "yes");
}

void VideoPlayer::togglePause() {
  paused() ? play() : pause();
}

bool VideoPlayer::paused() const {
  int flag = 1;
  if (mpv_) mpv_lib_->getProperty(mpv_, "pause", MPV_FORMAT_FLAG, &flag);
  return flag != 0;
}

void VideoPlayer::seek(double seconds) {
  stop();
  seekExact(seconds);
}

void VideoPlayer::step(double seconds) {
  stop();
  if (!loaded_) {
    if (pendingSeek_) pendingSeek_ = std::max(0.0, *pendingSeek_ + seconds);
    return;
  }
  // From where a seek still under way will land, which mpv does not yet
  // count as the position; absolute, so that the start and end bound it.
  seekExact((seekTarget_ ? *seekTarget_ : position()) + seconds);
}

void VideoPlayer::stepFrame(int direction) {
  stop();
  if (!loaded_ || direction == 0) return;
  // An exact seek rather than mpv's frame-step, which is lost when asked just
  // after a seek: the seek's own frame, shown late, counts as the step.
  const double from = seekTarget_ ? *seekTarget_ : position();
  pause();
  seekExact(from + (direction > 0 ? 1 : -1) * frameDuration());
}

void VideoPlayer::setSpeed(double speed) {
  if (!mpv_) return;
  double clamped = std::clamp(speed, kMinSpeed, kMaxSpeed);
  mpv_lib_->setProperty(mpv_, "speed", MPV_FORMAT_DOUBLE, &clamped);
}

double VideoPlayer::speed() const {
  return doubleProperty("speed", 1);
}

double VideoPlayer::position() const {
  return doubleProperty("time-pos");
}

double VideoPlayer::duration() const {
  return doubleProperty("duration");
}

double VideoPlayer::frameRate() const {
  const double container = doubleProperty("container-fps");
  return container > 0 ? container : doubleProperty("estimated-vf-fps", 25);
}

qint64 VideoPlayer::frameNumber() const {
  int64_t frame = 0;
  if (mpv_) mpv_lib_->getProperty(mpv_, "estimated-frame-number", MPV_FORMAT_INT64, &frame);
  return frame;
}

qint64 VideoPlayer::droppedFrames() const {
  int64_t dropped = 0;
  if (mpv_) mpv_lib_->getProperty(mpv_, "frame-drop-count", MPV_FORMAT_INT64, &dropped);
  return dropped;
}

QString VideoPlayer::videoOutputInUse() const {
  char* name = nullptr;
  if (!mpv_ || mpv_lib_->getProperty(mpv_, "current-vo", MPV_FORMAT_STRING, &name) < 0) return {};
  const QString result = QString::fromUtf8(name);
  mpv_lib_->free(name);
  return result;
}

void VideoPlayer::playSpan(double from, double to, const QString& caption) {
  playSpans({Span{from, to, caption}});
}

void VideoPlayer::playSpans(std::vector<Span> spans) {
  stop();
  if (!mpv_ || spans.empty()) return;
  spans_ = std::move(spans);
  spanIndex_ = 0;
  startSpan();
}

void VideoPlayer::stop() {
  if (spanIndex_ < 0) return;
  spanIndex_ = -1;
  spans_.clear();
  ++spanRun_;
  pause();
}

void VideoPlayer::startSpan() {
  const Span& span = spans_[spanIndex_];
  const int run = spanRun_;
  emit spanStarted(spanIndex_);
  if (run != spanRun_) return;  // a slot gave the spans up
  pause();
  spanStage_ = SpanStage::Seeking;
  seekExact(span.from);
  if (!span.caption.isEmpty()) {
    // Shown for the span's length at its speed, and a second more.
    const double ms = std::max(0.0, span.to - span.from) / speed() * 1000 + 1000;
    const QByteArray text = span.caption.toUtf8();
    const QByteArray length = QByteArray::number(std::lround(ms));
    command({"show-text", text.constData(), length.constData()});
  }
}

void VideoPlayer::finishSpan() {
  const int run = spanRun_;
  const size_t next = spanIndex_ + 1;
  emit spanEnded();
  if (run != spanRun_) return;  // a slot started other spans or stopped these
  if (next < spans_.size()) {
    spanIndex_ = static_cast<int>(next);
    startSpan();
    return;
  }
  spanIndex_ = -1;
  spans_.clear();
  ++spanRun_;
  emit spansEnded();
}

void VideoPlayer::seekExact(double seconds) {
  seconds = std::max(0.0, seconds);
  if (!loaded_) {
    pendingSeek_ = seconds;
    return;
  }
  // To the nearest frame: mpv would show the first frame at or after the
  // time, up to a frame later. Past the end mpv shows the last frame.
  const double rate = frameRate();
  seconds = std::round(seconds * rate) / rate;
  const double last = duration() - frameDuration();
  if (last > 0) seconds = std::min(seconds, last);
  seekTarget_ = seconds;
  const QByteArray to = number(seconds);
  command({"seek", to.constData(), "absolute+exact"});
}

double VideoPlayer::frameDuration() const {
  return 1 / frameRate();
}

double VideoPlayer::doubleProperty(const char* name, double fallback) const {
  double value = fallback;
  if (mpv_ && mpv_lib_->getProperty(mpv_, name, MPV_FORMAT_DOUBLE, &value) < 0) return fallback;
  return value;
}

void VideoPlayer::command(std::initializer_list<const char*> words) {
  std::vector<const char*> args(words);
  args.push_back(nullptr);
  mpv_lib_->command(mpv_, args.data());
}

void VideoPlayer::reportError(const QString& message) {
  emit failed(message);
}

void VideoPlayer::processEvents() {
  wakeQueued_ = false;
  while (mpv_) {
    const mpv_event* event = mpv_lib_->waitEvent(mpv_, 0);
    if (event->event_id == MPV_EVENT_NONE) break;
    handle(*event);
  }
}

void VideoPlayer::handle(const mpv_event& event) {
  switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE: {
      const auto& property = *static_cast<const mpv_event_property*>(event.data);
      if (property.format == MPV_FORMAT_NONE) return;
      if (event.reply_userdata == TimePos) {
        onPosition(*static_cast<double*>(property.data));
      } else if (event.reply_userdata == Pause) {
        emit pausedChanged(*static_cast<int*>(property.data) != 0);
      } else if (event.reply_userdata == Speed) {
        emit speedChanged(*static_cast<double*>(property.data));
      } else if (event.reply_userdata == Duration) {
        emit durationChanged(*static_cast<double*>(property.data));
      } else if (event.reply_userdata == EndReached) {
        // The end of the video ends a span that reaches past it.
        if (*static_cast<int*>(property.data) && spanIndex_ >= 0 &&
            spanStage_ == SpanStage::Playing)
          finishSpan();
      }
      return;
    }
    case MPV_EVENT_FILE_LOADED:
      loaded_ = true;
      emit loaded(duration());
      if (pendingSeek_) {
        const double to = *pendingSeek_;
        pendingSeek_.reset();
        seekExact(to);
      }
      return;
    case MPV_EVENT_PLAYBACK_RESTART:
      // A seek has landed; one asked earlier may land first, so the place is
      // checked, allowing a frame where the frames are off the rate's grid.
      if (!seekTarget_ || std::abs(position() - *seekTarget_) > frameDuration() + 1e-3) return;
      seekTarget_.reset();
      if (spanIndex_ < 0) return;
      if (spanStage_ == SpanStage::Seeking) {
        spanStage_ = SpanStage::Playing;
        play();
      } else if (spanStage_ == SpanStage::Settling) {
        finishSpan();
      }
      return;
    case MPV_EVENT_END_FILE: {
      const auto& end = *static_cast<const mpv_event_end_file*>(event.data);
      if (end.reason != MPV_END_FILE_REASON_ERROR) return;
      const QString file = path_;
      stop();
      path_.clear();
      loaded_ = false;
      reportError(QStringLiteral("映像ファイルを開けません (%1): %2")
                      .arg(QString::fromUtf8(mpv_lib_->errorString(end.error)), file));
      return;
    }
    default:
      return;
  }
}

void VideoPlayer::onPosition(double seconds) {
  emit positionChanged(seconds);
  if (spanIndex_ < 0 || spanStage_ != SpanStage::Playing) return;
  const double to = spans_[spanIndex_].to;
  // Paused a frame early, then put exactly on the span's end: a pause asked
  // at the end itself would land a frame or two after it.
  if (seconds + frameDuration() * speed() < to - 1e-6) return;
  pause();
  spanStage_ = SpanStage::Settling;
  seekExact(to);
}
