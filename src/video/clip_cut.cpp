#include "clip_cut.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString seconds(double s) {
  return QString::number(s, 'f', 3);
}

double halfFrame(const VideoFacts& facts) {
  return 0.5 / facts.frameRate;
}

double rate(const QString& fraction) {
  const QStringList parts = fraction.split(u'/');
  if (parts.size() != 2) return 0;
  const double denominator = parts[1].toDouble();
  return denominator > 0 ? parts[0].toDouble() / denominator : 0;
}

}  // namespace

QStringList videoFactsArguments(const QString& video) {
  return {"-v",
          "error",
          "-show_entries",
          "format=start_time:stream=codec_type,codec_name,has_b_frames,avg_frame_rate",
          "-of",
          "json",
          video};
}

VideoFacts parseVideoFacts(const QByteArray& json) {
  const QJsonObject root = QJsonDocument::fromJson(json).object();
  VideoFacts facts;
  facts.start = root["format"].toObject()["start_time"].toString().toDouble();
  QJsonObject video, audio;
  for (const QJsonValue& stream : root["streams"].toArray()) {
    const QString type = stream["codec_type"].toString();
    if (type == "video" && video.isEmpty()) video = stream.toObject();
    if (type == "audio" && audio.isEmpty()) audio = stream.toObject();
  }
  facts.frameRate = rate(video["avg_frame_rate"].toString());
  const QString videoCodec = video["codec_name"].toString();
  const QString audioCodec = audio["codec_name"].toString();
  facts.copyable = (videoCodec == "h264" || videoCodec == "hevc") &&
                   video.contains("has_b_frames") && video["has_b_frames"].toInt() == 0 &&
                   (audio.isEmpty() || audioCodec == "aac" || audioCodec == "mp3") &&
                   facts.frameRate > 0;
  return facts;
}

QStringList keyFrameArguments(const QString& video, const VideoFacts& facts, double from) {
  // ffprobe seeks in the file's own time stamps, ffmpeg's -ss from its start.
  return {"-v",
          "error",
          "-select_streams",
          "v:0",
          "-read_intervals",
          seconds(facts.start + from + halfFrame(facts)) + "%+#1",
          "-show_entries",
          "packet=pts_time,flags",
          "-of",
          "csv=p=0",
          video};
}

bool startsOnKeyFrame(const QByteArray& csv, const VideoFacts& facts, double from) {
  const QList<QByteArray> fields = csv.trimmed().split('\n').value(0).split(',');
  if (fields.size() < 2 || !fields[1].contains('K')) return false;
  bool ok = false;
  const double at = fields[0].toDouble(&ok) - facts.start;
  return ok && at >= from - halfFrame(facts) && at <= from + halfFrame(facts);
}

QStringList cutArguments(const QString& video, double from, double to, bool copy,
                         const QString& target) {
  QStringList arguments = {"-nostdin", "-v", "error", "-y"};
  // Seeking in the input: a re-encoded clip then starts on the asked frame.
  arguments += {"-ss", seconds(from), "-i", video, "-t", seconds(to - from)};
  // The first picture and the first sound, if any; no subtitles or data.
  arguments += {"-map", "0:v:0", "-map", "0:a:0?"};
  if (copy)
    arguments += {"-c", "copy"};
  else
    arguments += {"-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac"};
  arguments += {"-movflags", "+faststart", "-f", "mp4", target};
  return arguments;
}
