// The player against a video made here by ffmpeg (6 s of a test pattern at
// 25 frames a second), checked through mpv's time and frame numbers with the
// video output "null"; and the position bar and time label of its window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "mpv_library.h"
#include "player_window.h"
#include "position_bar.h"
#include "scratch_folder.h"
#include "video_player.h"

namespace {

constexpr double kFrame = 1.0 / 25;

class Player : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!MpvLibrary::get()) return;
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty()) return;
    folder_ = std::make_unique<TempFolder>();
    video_ = QString::fromStdString((folder_->path() / "pattern.mp4").string());
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg",
                 {"-v", "error", "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25", "-t", "6",
                  "-c:v", "libx264", "-pix_fmt", "yuv420p", "-g", "50", video_});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) video_.clear();
  }
  static void TearDownTestSuite() { folder_.reset(); }

  void SetUp() override {
    if (!MpvLibrary::get()) GTEST_SKIP() << "libmpv cannot be loaded";
    if (video_.isEmpty()) GTEST_SKIP() << "ffmpeg with libx264 is needed to make the test video";
  }

  // Opens the video and waits until it is loaded.
  void open(double start = 0) {
    QSignalSpy loaded(&player, &VideoPlayer::loaded);
    ASSERT_TRUE(player.open(video_, start));
    ASSERT_TRUE(loaded.wait(10000));
    EXPECT_NEAR(loaded.at(0).at(0).toDouble(), 6.0, kFrame);
  }

  // Waits until the video shows the frame at `seconds`.
  void expectAt(double seconds) {
    const qint64 frame = std::llround(seconds * 25);
    (void)QTest::qWaitFor([&] { return player.frameNumber() == frame; }, 5000);
    EXPECT_EQ(player.frameNumber(), frame);
    EXPECT_NEAR(player.position(), seconds, kFrame / 4);
  }

  static inline std::unique_ptr<TempFolder> folder_;
  static inline QString video_;
  VideoPlayer player{0, "null"};
};

TEST_F(Player, SeeksAndStepsLandOnTheirFrames) {
  // A seek asked before the file is loaded waits for it.
  ASSERT_TRUE(player.open(video_, 1.2));
  player.seek(2.0);
  expectAt(2.0);
  EXPECT_TRUE(player.paused());
  EXPECT_NEAR(player.frameRate(), 25, 1e-6);

  // Between key frames (every 2 s), exactly; a time between frames to the nearest.
  player.seek(3.49);
  expectAt(3.48);
  player.stepFrame(1);
  expectAt(3.52);
  player.stepFrame(-1);
  expectAt(3.48);
  player.stepFrame(-1);
  expectAt(3.44);
  // Steps pressed faster than the video follows add up.
  for (int i = 0; i < 3; ++i) player.stepFrame(1);
  expectAt(3.56);
  player.stepFrame(-1);
  expectAt(3.52);
  player.step(-1);
  expectAt(2.52);
  player.step(2);
  player.step(-10);
  expectAt(0);
  EXPECT_TRUE(player.paused());
}

TEST_F(Player, OpensAtItsStartAndClampsTheSpeed) {
  open(1.2);
  expectAt(1.2);
  player.setSpeed(1.5);
  EXPECT_EQ(player.speed(), 1.5);
  player.setSpeed(5);
  EXPECT_EQ(player.speed(), VideoPlayer::kMaxSpeed);
  player.setSpeed(0.1);
  EXPECT_EQ(player.speed(), VideoPlayer::kMinSpeed);
}

TEST_F(Player, SpansPlayInOrderAndStopOnTheirEnds) {
  open();
  std::vector<double> seen;
  std::vector<int> started;
  std::vector<double> ends;
  QObject::connect(&player, &VideoPlayer::positionChanged, [&](double s) { seen.push_back(s); });
  QObject::connect(&player, &VideoPlayer::spanStarted, [&](int i) { started.push_back(i); });
  QObject::connect(&player, &VideoPlayer::spanEnded, [&] { ends.push_back(player.position()); });
  QSignalSpy done(&player, &VideoPlayer::spansEnded);

  // Event times fall between frames.
  player.playSpan(1.01, 1.613, "7 得点");
  ASSERT_TRUE(done.wait(10000));
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_NEAR(ends[0], 1.613, kFrame / 2);
  EXPECT_TRUE(player.paused());
  // Played through, not jumped to the end.
  EXPECT_GE(std::count_if(seen.begin(), seen.end(), [](double s) { return s > 1.1 && s < 1.5; }),
            5);

  // Two spans and one that runs past the end of the video, at twice the speed.
  started.clear();
  ends.clear();
  player.setSpeed(2);
  player.playSpans({{0.4, 0.8, "1"}, {4.0, 4.4, "2"}, {5.6, 9.0, "3"}});
  ASSERT_TRUE(done.wait(10000));
  EXPECT_EQ(started, (std::vector<int>{0, 1, 2}));
  ASSERT_EQ(ends.size(), 3u);
  EXPECT_NEAR(ends[0], 0.8, kFrame);
  EXPECT_NEAR(ends[1], 4.4, kFrame);
  EXPECT_NEAR(ends[2], 6.0 - kFrame, kFrame);
  EXPECT_FALSE(player.playingSpans());

  // Stopped, a list ends without its signal and the video stays paused.
  player.playSpans({{1.0, 3.0, ""}});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !player.paused(); }, 5000));
  player.stop();
  QTest::qWait(300);
  EXPECT_TRUE(player.paused());
  EXPECT_EQ(done.size(), 2);
}

TEST_F(Player, AFileThatIsNoVideoFails) {
  QSignalSpy failed(&player, &VideoPlayer::failed);
  EXPECT_FALSE(player.open(QString::fromStdString((folder_->path() / "none.mp4").string())));
  ASSERT_EQ(failed.size(), 1);
  EXPECT_TRUE(failed.at(0).at(0).toString().startsWith("映像ファイルが見つかりません"));

  const auto text = folder_->path() / "notes.mp4";
  QFile file(QString::fromStdString(text.string()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a video");
  file.close();
  EXPECT_TRUE(player.open(file.fileName()));
  ASSERT_TRUE(failed.wait(10000));
  EXPECT_FALSE(player.isOpen());
  // The player still opens the next video.
  open();
  expectAt(0);
}

TEST(PlayerWindowParts, PositionBarAndTimeText) {
  PositionBar bar;
  bar.resize(212, 24);  // 200 px of time between the margins
  bar.setDuration(100);
  bar.setMarks({{25, Qt::red, "前半 5:00 7 得点"}, {80, Qt::blue, "x"}});
  QSignalSpy seek(&bar, &PositionBar::seekRequested);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, {106, 12});
  ASSERT_EQ(seek.size(), 1);
  EXPECT_DOUBLE_EQ(seek.at(0).at(0).toDouble(), 50);
  EXPECT_EQ(bar.markAt(bar.xOf(25) + 3), 0);
  EXPECT_EQ(bar.markAt(bar.xOf(25) + 10), -1);

  EXPECT_EQ(videoTimeText(0, 25), "00:00.00");
  EXPECT_EQ(videoTimeText(83.48, 25), "01:23.12");
  EXPECT_EQ(videoTimeText(3599.999, 25), "60:00.00");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
