#include "clip_export.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "clip_names.h"

namespace {

const QString kIndexName = QStringLiteral("index.tsv");

QString lastLine(const QByteArray& text) {
  const QList<QByteArray> lines = text.trimmed().split('\n');
  return QString::fromUtf8(lines.back()).trimmed();
}

QString cell(QString text) {
  for (QChar& c : text) {
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
  }
  return text;
}

}  // namespace

ClipExport::ClipExport(QObject* parent) : QObject(parent) {}

ClipExport::~ClipExport() {
  stopProcess();
  removeTemporaryFiles();
}

void ClipExport::setPrograms(const QString& ffmpeg, const QString& ffprobe) {
  ffmpegName_ = ffmpeg;
  ffprobeName_ = ffprobe;
}

void ClipExport::start(const QString& video, const QString& folder, std::vector<Clip> clips) {
  if (running_) return;
  running_ = true;
  video_ = video;
  folder_ = folder;
  facts_ = {};
  current_ = 0;
  copied_ = 0;
  plan(std::move(clips));
  emit progress(0, static_cast<int>(planned_.size()));

  ffmpeg_ = QStandardPaths::findExecutable(ffmpegName_);
  ffprobe_ = QStandardPaths::findExecutable(ffprobeName_);
  QString problem;
  if (ffmpeg_.isEmpty())
    problem = tr("映像の書き出しには ffmpeg が必要です。ffmpeg をインストールしてください。");
  else if (!QFile::exists(video_))
    problem = tr("映像ファイル「%1」が見つかりません。").arg(video_);
  else if (!QDir().mkpath(folder_))
    problem = tr("フォルダ「%1」を作れません。").arg(folder_);
  if (!problem.isEmpty()) {
    QTimer::singleShot(0, this, [this, problem] {
      if (running_) fail(problem);
    });
    return;
  }
  // Left by a program that ended while ffmpeg wrote them.
  const QDir dir(folder_);
  for (const QString& name : dir.entryList({".*.mp4.part"}, QDir::Files | QDir::Hidden))
    QFile::remove(dir.filePath(name));

  if (ffprobe_.isEmpty())
    nextClip();
  else
    run(ffprobe_, videoFactsArguments(video_), &ClipExport::factsProbed);
}

void ClipExport::plan(std::vector<Clip> clips) {
  planned_.clear();
  QSet<QString> taken;
  const QDir dir(folder_);
  for (Clip& clip : clips) {
    clip.from = std::max(0.0, clip.from);
    // Events of the same second, team, number and action get a number.
    const QString base = safeClipName(clip.name);
    QString name = base;
    for (int n = 2; taken.contains(name.toCaseFolded()); ++n)
      name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    taken.insert(name.toCaseFolded());
    const QString file = name + ".mp4";
    planned_.push_back({std::move(clip), file, dir.filePath("." + file + ".part")});
  }
}

void ClipExport::run(const QString& program, const QStringList& arguments, Next next) {
  process_ = std::make_unique<QProcess>();
  process_->setChildProcessModifier([] {
    // Below the operator's windows (at their priority if nice fails), and
    // never outliving the program.
    [[maybe_unused]] const int niceness = ::nice(10);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  });
  QProcess* process = process_.get();
  connect(process, &QProcess::finished, this,
          [this, process, next](int code, QProcess::ExitStatus status) {
            const QByteArray out = process->readAllStandardOutput();
            const QByteArray err = process->readAllStandardError();
            process_.release()->deleteLater();
            (this->*next)(status == QProcess::NormalExit ? code : -1, out, err);
          });
  connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    process_.release()->deleteLater();
    fail(tr("%1 を起動できません。").arg(process->program()));
  });
  process->start(program, arguments);
}

void ClipExport::stopProcess() {
  if (!process_) return;
  process_->disconnect(this);
  process_->kill();
  process_->waitForFinished(5000);
  process_.reset();
}

void ClipExport::factsProbed(int exitCode, const QByteArray& out, const QByteArray&) {
  if (exitCode == 0) facts_ = parseVideoFacts(out);
  nextClip();
}

void ClipExport::nextClip() {
  if (current_ == planned_.size()) {
    complete();
    return;
  }
  if (facts_.copyable) {
    run(ffprobe_, keyFrameArguments(video_, facts_, planned_[current_].clip.from),
        &ClipExport::keyFrameProbed);
  } else {
    cut(false);
  }
}

void ClipExport::keyFrameProbed(int exitCode, const QByteArray& out, const QByteArray&) {
  cut(exitCode == 0 && startsOnKeyFrame(out, facts_, planned_[current_].clip.from));
}

void ClipExport::cut(bool copy) {
  const Planned& clip = planned_[current_];
  if (copy) ++copied_;
  run(ffmpeg_, cutArguments(video_, clip.clip.from, clip.clip.to, copy, clip.temp),
      &ClipExport::clipCut);
}

void ClipExport::clipCut(int exitCode, const QByteArray&, const QByteArray& err) {
  const Planned& clip = planned_[current_];
  if (exitCode != 0 || QFileInfo(clip.temp).size() == 0) {
    fail(tr("クリップ「%1」を書き出せませんでした。\n%2").arg(clip.file, lastLine(err)));
    return;
  }
  ++current_;
  emit progress(static_cast<int>(current_), static_cast<int>(planned_.size()));
  nextClip();
}

void ClipExport::complete() {
  const QDir dir(folder_);
  for (std::size_t i = 0; i < planned_.size(); ++i) {
    const QString target = dir.filePath(planned_[i].file);
    // rename() replaces a clip of an earlier export in one step.
    if (std::rename(QFile::encodeName(planned_[i].temp).constData(),
                    QFile::encodeName(target).constData()) != 0) {
      for (std::size_t j = i; j < planned_.size(); ++j) QFile::remove(planned_[j].temp);
      planned_.resize(i);  // the index lists the clips that took their names
      const QString problem = writeIndex();
      fail(tr("クリップ「%1」を保存できませんでした。%2").arg(target, problem));
      return;
    }
  }
  if (const QString problem = writeIndex(); !problem.isEmpty()) {
    fail(problem);
    return;
  }
  running_ = false;
  emit finished(true, tr("%1 本のクリップを「%2」に書き出しました。")
                          .arg(planned_.size())
                          .arg(QDir::toNativeSeparators(folder_)));
}

// The clips written, one line each; an empty text when it was written.
QString ClipExport::writeIndex() const {
  QSaveFile index(QDir(folder_).filePath(kIndexName));
  if (index.open(QIODevice::WriteOnly)) {
    QByteArray text = "file\tfrom\tto\tcaption\n";
    for (const Planned& clip : planned_) {
      text += QStringLiteral("%1\t%2\t%3\t%4\n")
                  .arg(cell(clip.file), QString::number(clip.clip.from, 'f', 3),
                       QString::number(clip.clip.to, 'f', 3), cell(clip.clip.caption))
                  .toUtf8();
    }
    index.write(text);
    if (index.commit()) return {};
  }
  return tr("クリップの一覧 %1 を書き出せませんでした。%2").arg(kIndexName, index.errorString());
}

void ClipExport::cancel() {
  if (!running_) return;
  fail(tr("クリップの書き出しを中止しました。"));
}

void ClipExport::fail(const QString& message) {
  stopProcess();
  removeTemporaryFiles();
  running_ = false;
  emit finished(false, message);
}

void ClipExport::removeTemporaryFiles() {
  for (const Planned& clip : planned_) QFile::remove(clip.temp);
}
