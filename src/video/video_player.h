// One video under libmpv: opening, playing, exact seeks and frame steps,
// speed, and spans of it played one after another with a caption over the
// picture. mpv runs on threads of its own; its events reach this object on
// the Qt thread, and every call here is made from that thread.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <optional>
#include <vector>

struct mpv_handle;
struct mpv_event;
struct MpvLibrary;

class VideoPlayer : public QObject {
  Q_OBJECT

 public:
  struct Span {
    double from = 0;
    double to = 0;
    QString caption;
  };

  // Draws into the native window `windowId` (0: mpv's own window, or none
  // with the video output "null"). An empty `videoOutput` takes
  // defaultVideoOutput().
  explicit VideoPlayer(qint64 windowId = 0, const QString& videoOutput = {},
                       QObject* parent = nullptr);
  ~VideoPlayer() override;

  // mpv's list of video outputs, tried in turn; HB_VIDEO_VO replaces it.
  static QString defaultVideoOutput();

  // Opens `path` paused at `startSeconds`. False, with failed(), when libmpv
  // cannot be loaded or started; a file mpv cannot read reports failed()
  // later, from its event.
  bool open(const QString& path, double startSeconds = 0);
  void close();
  bool isOpen() const { return mpv_ != nullptr && !path_.isEmpty(); }
  const QString& path() const { return path_; }

  void play();
  void pause();
  void togglePause();
  bool paused() const;
  // To the frame at `seconds`; seeks asked before the file is loaded wait for it.
  void seek(double seconds);
  void step(double seconds);
  // One frame forward (1) or back (-1), leaving the video paused.
  void stepFrame(int direction);
  static constexpr double kMinSpeed = 0.25;
  static constexpr double kMaxSpeed = 2.0;
  void setSpeed(double speed);
  double speed() const;

  double position() const;
  double duration() const;
  double frameRate() const;
  qint64 frameNumber() const;
  qint64 droppedFrames() const;
  // The video output mpv took from its list, once the video shows.
  QString videoOutputInUse() const;

  // Plays from `from` to `to` with `caption` over the picture, then pauses
  // on `to`: a list of one span (spanStarted(0), spanEnded(), spansEnded()).
  // A running list of spans is given up.
  void playSpan(double from, double to, const QString& caption);
  // Plays each span in turn: spanStarted(i) and spanEnded() for each, then spansEnded().
  void playSpans(std::vector<Span> spans);
  // Gives up the running spans, pausing where the video is.
  void stop();
  bool playingSpans() const { return spanIndex_ >= 0; }

 signals:
  void positionChanged(double seconds);
  void pausedChanged(bool paused);
  void speedChanged(double speed);
  // Known at loaded(); it changes only for a file still being written.
  void durationChanged(double seconds);
  void loaded(double duration);
  void failed(const QString& message);
  void spanStarted(int index);
  void spanEnded();
  void spansEnded();

 private:
  enum class SpanStage { Seeking, Playing, Settling };

  bool start();
  void processEvents();
  void handle(const mpv_event& event);
  void onPosition(double seconds);
  void command(std::initializer_list<const char*> words);
  void seekExact(double seconds);
  double frameDuration() const;
  double doubleProperty(const char* name, double fallback = 0) const;
  void startSpan();
  void finishSpan();
  void reportError(const QString& message);

  const MpvLibrary* mpv_lib_ = nullptr;
  mpv_handle* mpv_ = nullptr;
  qint64 windowId_;
  QString videoOutput_;
  QString path_;
  bool loaded_ = false;
  std::optional<double> pendingSeek_;
  // Where the last exact seek was asked to land, until mpv reports it.
  std::optional<double> seekTarget_;
  std::vector<Span> spans_;
  int spanIndex_ = -1;
  // Counts the lists started and given up, so that a list a signal's slot
  // replaced is not carried on.
  int spanRun_ = 0;
  SpanStage spanStage_ = SpanStage::Seeking;
  std::atomic<bool> wakeQueued_ = false;
};
