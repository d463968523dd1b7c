// The player under libmpv with the video output "null": from a seek asked
// to mpv reporting the asked frame's time, on a 1280x720 H.264 video at 25
// frames a second that ffmpeg makes at the start, with a key frame every
// second and every ten seconds (x264's default); and from opening the file
// to its being loaded.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "scratch_folder.h"
#include "video_player.h"

namespace {

TempFolder* folder;
std::map<int, QString> videos;  // by seconds between key frames

QString video(int keyFrameSeconds) {
  auto& path = videos[keyFrameSeconds];
  if (!path.isEmpty()) return path;
  path = QString::fromStdString(
      (folder->path() / ("720p-" + std::to_string(keyFrameSeconds) + ".mp4")).string());
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25",
                          "-t", "60", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt",
                          "yuv420p", "-g", QString::number(keyFrameSeconds * 25), path});
  if (!ffmpeg.waitForFinished(600000) || ffmpeg.exitCode() != 0) path.clear();
  return path;
}

bool openAndWait(VideoPlayer& player, const QString& path) {
  QSignalSpy loaded(&player, &VideoPlayer::loaded);
  return player.open(path) && loaded.wait(20000);
}

// Waits, without polling, until mpv reports the time `seconds`.
bool reaches(VideoPlayer& player, double seconds) {
  QEventLoop loop;
  bool reached = false;
  const auto check = [&](double now) {
    if (std::abs(now - seconds) > 0.01) return;
    reached = true;
    loop.quit();
  };
  QObject::connect(&player, &VideoPlayer::positionChanged, &loop, check);
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  loop.exec();
  return reached;
}

// Seeks to frames spread over the minute, none on a key frame.
void BM_SeekToFrame(benchmark::State& state) {
  const QString path = video(int(state.range(0)));
  VideoPlayer player(0, "null");
  if (path.isEmpty() || !openAndWait(player, path)) {
    state.SkipWithError("no video: libmpv, ffmpeg or libx264 missing");
    return;
  }
  std::vector<double> ms;
  int n = 0;
  for (auto _ : state) {
    const qint64 frame = 13 + (n++ * 397) % 1450;
    const auto start = std::chrono::steady_clock::now();
    player.seek(frame / 25.0);
    const bool landed = reaches(player, frame / 25.0);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count() / 1000);
    ms.push_back(took.count());
    if (!landed) state.SkipWithError("the seek did not land on its frame");
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["max_ms"] = ms.back();
  state.counters["min_ms"] = ms.front();
}
BENCHMARK(BM_SeekToFrame)
    ->Arg(1)
    ->Arg(10)
    ->UseManualTime()
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond);

// From open() to the file loaded and its first frame's time known.
void BM_OpenToLoaded(benchmark::State& state) {
  const QString path = video(1);
  for (auto _ : state) {
    VideoPlayer player(0, "null");
    if (path.isEmpty() || !openAndWait(player, path)) {
      state.SkipWithError("no video: libmpv, ffmpeg or libx264 missing");
      return;
    }
  }
}
BENCHMARK(BM_OpenToLoaded)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TempFolder scratch;
  folder = &scratch;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
