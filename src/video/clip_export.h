// The clips of the chosen events, cut out of the match video by ffmpeg into
// a folder, with an index file `index.tsv` that lists them.
//
// ffmpeg runs one clip at a time, niced, in the background, so the operator's
// machine stays responsive. Each clip goes to a hidden temporary file in the
// folder; only once every clip is cut do they take their names and is the
// index written (itself through a temporary file). A cancelled or failed
// export therefore leaves nothing behind, and clips of an earlier export
// under the same names stay as they were.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "clip_cut.h"

class QProcess;

struct Clip {
  double from;  // seconds in the video
  double to;
  QString name;  // file name without folder and extension
  QString caption;
};

class ClipExport : public QObject {
  Q_OBJECT

 public:
  explicit ClipExport(QObject* parent = nullptr);
  ~ClipExport() override;

  // The programs run, found on the path; the defaults are "ffmpeg" and
  // "ffprobe". Without ffprobe every clip is re-encoded.
  void setPrograms(const QString& ffmpeg, const QString& ffprobe);

  // Ignored while an export runs. Emits progress(0, n) at once; failures
  // found before any clip is cut come as finished() from the event loop.
  void start(const QString& video, const QString& folder, std::vector<Clip> clips);
  // Stops ffmpeg, removes this export's files and emits finished(false, …).
  void cancel();
  bool running() const { return running_; }
  // Clips of the last export that were stream-copied rather than re-encoded.
  int copiedCount() const { return copied_; }

 signals:
  void progress(int done, int total);
  void finished(bool ok, QString message);

 private:
  struct Planned {
    Clip clip;
    QString file;  // final name in the folder
    QString temp;  // hidden temporary file beside it
  };
  using Next = void (ClipExport::*)(int exitCode, const QByteArray& out, const QByteArray& err);

  void plan(std::vector<Clip> clips);
  void run(const QString& program, const QStringList& arguments, Next next);
  void stopProcess();
  void factsProbed(int exitCode, const QByteArray& out, const QByteArray& err);
  void nextClip();
  void keyFrameProbed(int exitCode, const QByteArray& out, const QByteArray& err);
  void cut(bool copy);
  void clipCut(int exitCode, const QByteArray& out, const QByteArray& err);
  void complete();
  QString writeIndex() const;
  void fail(const QString& message);
  void removeTemporaryFiles();

  QString ffmpegName_ = QStringLiteral("ffmpeg");
  QString ffprobeName_ = QStringLiteral("ffprobe");
  QString ffmpeg_, ffprobe_;
  QString video_, folder_;
  std::vector<Planned> planned_;
  VideoFacts facts_;
  std::size_t current_ = 0;
  int copied_ = 0;
  bool running_ = false;
  std::unique_ptr<QProcess> process_;
};
