// Clips cut from a test pattern with a key frame every 2 s, so that a clip
// cut at the nearest key frame instead of its asked start shows in its
// length; the same clips from a video with and without B-frames.
#include "clip_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "clip_names.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr double kFrame = 1.0 / 25;

QString path(const fs::path& p) {
  return QString::fromStdString(p.string());
}

// Runs ffmpeg or ffprobe with `arguments` (split at spaces) and `file`.
QByteArray runTool(const QString& program, const QString& arguments, const fs::path& file) {
  QProcess process;
  process.start(program, arguments.split(u' ') << path(file));
  process.waitForFinished(120'000);
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return process.readAllStandardOutput().trimmed();
}

class ClipExportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty() ||
        QStandardPaths::findExecutable("ffprobe").isEmpty())
      return;
    sources_ = std::make_unique<TempFolder>();
    // 10 s at 25 fps with sound; a key frame every 50 frames and nowhere else.
    for (const QString bFrames : {"3", "0"}) {
      runTool("ffmpeg",
              "-v error -f lavfi -i testsrc2=size=320x240:rate=25:duration=10 -f lavfi "
              "-i sine=duration=10 -c:v libx264 -preset ultrafast -g 50 -keyint_min 50 "
              "-sc_threshold 0 -pix_fmt yuv420p -c:a aac -bf " +
                  bFrames,
              sources_->path() / (bFrames == "0" ? "no-b-frames.mp4" : "b-frames.mp4"));
    }
  }
  void SetUp() override {
    if (!sources_) GTEST_SKIP() << "ffmpeg and ffprobe are needed to cut clips";
  }

  static QString source(const char* name) { return path(sources_->path() / name); }

  // Runs an export to its end; the arguments of finished().
  static QList<QVariant> exportClips(ClipExport& clips, const QString& video,
                                     const fs::path& folder, std::vector<Clip> list) {
    QSignalSpy finished(&clips, &ClipExport::finished);
    clips.start(video, path(folder), std::move(list));
    EXPECT_TRUE(!finished.isEmpty() || finished.wait(300'000));
    return finished.value(0);
  }

  // The frames ffprobe decodes, then the file's duration.
  static QList<QByteArray> length(const fs::path& clip) {
    return runTool("ffprobe",
                   "-v error -count_frames -select_streams v:0 -of csv=p=0 "
                   "-show_entries stream=nb_read_frames:format=duration",
                   clip)
        .split('\n');
  }

  inline static std::unique_ptr<TempFolder> sources_;
  TempFolder out_;
};

TEST_F(ClipExportTest, EachClipHoldsItsFramesAndTheIndexListsThem) {
  // The first starts on a key frame (a copy is exact without B-frames), the
  // others between key frames; two share a name.
  const std::vector<Clip> list = {
      {2.0, 5.0, "前半 00:07 A #7 得点", "#7 得点\t左45"},
      {1.3, 3.7, "前半 00:07 A #7 得点", "2本目"},
      {6.52, 9.0, "後半 12:34 B #10 シュートミス/ポスト?", "ポスト"},
  };
  for (const char* video : {"b-frames.mp4", "no-b-frames.mp4"}) {
    SCOPED_TRACE(video);
    const fs::path folder = out_.path() / video;
    ClipExport clips;
    QSignalSpy progress(&clips, &ClipExport::progress);
    const QList<QVariant> result = exportClips(clips, source(video), folder, list);
    ASSERT_TRUE(result.value(0).toBool()) << result.value(1).toString().toStdString();
    EXPECT_EQ(progress.size(), 4);
    EXPECT_EQ(progress.value(3), (QList<QVariant>{3, 3}));
    EXPECT_EQ(clips.copiedCount(), std::string(video) == "no-b-frames.mp4" ? 1 : 0);

    const std::pair<std::string, Clip> named[] = {
        {"前半 00_07 A #7 得点.mp4", list[0]},
        {"前半 00_07 A #7 得点 (2).mp4", list[1]},
        {"後半 12_34 B #10 シュートミス_ポスト_.mp4", list[2]}};
    std::set<std::string> written = {"index.tsv"};
    for (const auto& [name, clip] : named) written.insert(name);
    ASSERT_EQ(out_.entries(folder), written);
    for (const auto& [name, clip] : named) {
      SCOPED_TRACE(name);
      const QList<QByteArray> frameAndSeconds = length(folder / name);
      EXPECT_NEAR(frameAndSeconds.value(0).toInt(), (clip.to - clip.from) / kFrame, 1.0);
      EXPECT_NEAR(frameAndSeconds.value(1).toDouble(), clip.to - clip.from, kFrame);
    }

    QFile index(path(folder / "index.tsv"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(index.readAll()),
              "file\tfrom\tto\tcaption\n"
              "前半 00_07 A #7 得点.mp4\t2.000\t5.000\t#7 得点 左45\n"
              "前半 00_07 A #7 得点 (2).mp4\t1.300\t3.700\t2本目\n"
              "後半 12_34 B #10 シュートミス_ポスト_.mp4\t6.520\t9.000\tポスト\n");
  }
}

TEST_F(ClipExportTest, ACancelledExportLeavesNoFileAndKeepsEarlierClips) {
  const fs::path folder = out_.path();
  std::ofstream(folder / "a.mp4") << "an earlier export";
  ClipExport clips;
  QSignalSpy finished(&clips, &ClipExport::finished);
  // Cancelled once the first clip is cut and ffmpeg has begun writing the
  // second: the earlier clip and two temporary files are in the folder.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (out_.entries().size() == 3) clips.cancel();
  });
  QObject::connect(&clips, &ClipExport::progress, [&](int done) {
    if (done == 1) poll.start(2);
  });
  clips.start(source("b-frames.mp4"), path(folder),
              {{1.0, 6.0, "a", ""}, {2.0, 9.0, "b", ""}, {3.0, 9.0, "c", ""}});
  ASSERT_TRUE(finished.wait(300'000));
  EXPECT_FALSE(finished.value(0).value(0).toBool());
  EXPECT_EQ(out_.entries(), std::set<std::string>{"a.mp4"});
  QFile earlier(path(folder / "a.mp4"));
  EXPECT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), "an earlier export");
}

TEST_F(ClipExportTest, WithoutFfmpegTheOperatorIsToldToInstallIt) {
  ClipExport clips;
  clips.setPrograms("hb-no-such-ffmpeg", "ffprobe");
  const QList<QVariant> result =
      exportClips(clips, source("b-frames.mp4"), out_.path(), {{1.0, 2.0, "a", ""}});
  EXPECT_FALSE(result.value(0).toBool());
  EXPECT_TRUE(result.value(1).toString().startsWith("映像の書き出しには ffmpeg が必要です"));
  EXPECT_TRUE(out_.entries().empty());
}

TEST(SafeClipName, RefusedCharactersAndEdgesAreReplacedOrDropped) {
  EXPECT_EQ(safeClipName("後半 12:34 A/B \\ * ? \" < > |"), "後半 12_34 A_B _ _ _ _ _ _ _");
  EXPECT_EQ(safeClipName(QString("a\tb\nc") + QChar(0x7f) + QChar(0x85) + "d"), "a_b_c__d");
  EXPECT_EQ(safeClipName(" ..得点. "), "得点");
  EXPECT_EQ(safeClipName(".."), "clip");
  EXPECT_EQ(safeClipName(""), "clip");
  // Cut to 200 bytes of UTF-8 on a whole character, never inside a pair.
  const QString kanji = QString("得").repeated(66);  // 198 bytes
  EXPECT_EQ(safeClipName(kanji + QString::fromUtf8("😀😀")), kanji);
}

}  // namespace
