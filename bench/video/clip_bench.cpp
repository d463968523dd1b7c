// 50 clips of 8 s, one every 6 s, from a 1280 × 720 H.264 video at 25 fps
// with sound and a key frame every 2 s, as a match camera writes it: re-
// encoded (the video has B-frames), and stream-copied (a video without
// B-frames, every clip starting on a key frame). Each export runs once; the
// counters give ffmpeg's CPU time and the load average around the run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <cstdio>
#include <fstream>

#include "clip_export.h"
#include "scratch_folder.h"

namespace {

constexpr int kClips = 50;
constexpr double kLength = 8;
constexpr double kEvery = 6;

QString path(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

// The match video, made once per kind.
QString matchVideo(const TempFolder& folder, bool bFrames) {
  const auto file = folder.path() / (bFrames ? "b-frames.mp4" : "no-b-frames.mp4");
  if (std::filesystem::exists(file)) return path(file);
  const QString seconds = QString::number(kClips * kEvery + kLength);
  const QString arguments =
      "-v error -f lavfi -i testsrc2=size=1280x720:rate=25:duration=%1 -f lavfi -i "
      "sine=duration=%1 -c:v libx264 -preset veryfast -g 50 -keyint_min 50 -sc_threshold 0 "
      "-pix_fmt yuv420p -c:a aac -bf %2";
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", arguments.arg(seconds, bFrames ? "3" : "0").split(u' ') << path(file));
  ffmpeg.waitForFinished(-1);
  return ffmpeg.exitCode() == 0 ? path(file) : QString();
}

double childCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double loadAverage() {
  double load = 0;
  std::ifstream("/proc/loadavg") >> load;
  return load;
}

void BM_FiftyClips(benchmark::State& state) {
  static TempFolder sources;
  const bool copied = state.range(0) == 1;
  const QString video = matchVideo(sources, !copied);
  if (video.isEmpty()) {
    state.SkipWithError("ffmpeg could not make the video");
    return;
  }
  std::vector<Clip> clips;
  for (int i = 0; i < kClips; ++i) {
    const double from = 2 + i * kEvery;  // on a key frame
    clips.push_back({from, from + kLength, QString("clip %1").arg(i), ""});
  }
  const double loadBefore = loadAverage();
  const double cpuBefore = childCpuSeconds();
  for (auto _ : state) {
    TempFolder out;
    ClipExport exporter;
    QSignalSpy finished(&exporter, &ClipExport::finished);
    exporter.start(video, path(out.path()), clips);
    if (!finished.wait(3'600'000) || !finished.value(0).value(0).toBool()) {
      state.SkipWithError("the export failed");
      return;
    }
    state.counters["copied"] = exporter.copiedCount();
  }
  state.counters["ffmpeg CPU s"] = childCpuSeconds() - cpuBefore;
  state.counters["load before"] = loadBefore;
  state.counters["load after"] = loadAverage();
}
BENCHMARK(BM_FiftyClips)
    ->ArgName("copy")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
