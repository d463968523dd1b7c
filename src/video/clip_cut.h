// How one clip is cut out of the match video.
//
// A stream copy (ffmpeg -c copy) starts at a key frame and, when the video
// has B-frames, cuts its tail in decoding order, so its last frames come out
// of order or missing: with a key frame every 2 s a copied clip would begin
// up to 2 s before the lead the operator asked for. A clip is therefore
// copied only where the copy is exact:
//   - the video is H.264 or HEVC and its sound AAC, MP3 or none, so that
//     both go into an MP4 file unchanged;
//   - the video has no B-frames (ffprobe's has_b_frames is 0), so decoding
//     order is display order and the tail can end at any frame;
//   - a key frame lies within half a frame of the clip's start (ffprobe
//     reads the first packet from the seek point before it).
// Every other clip is re-encoded (libx264 -preset veryfast, AAC) after an
// accurate seek: ffmpeg decodes from the key frame before `from` and drops
// the frames before it, so the clip starts and ends on the asked frames.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What ffprobe says of the video, once per export.
struct VideoFacts {
  double start = 0;  // the file's first time stamp: clip times count from it
  double frameRate = 0;
  bool copyable = false;  // codecs fit MP4 and the video has no B-frames
};

QStringList videoFactsArguments(const QString& video);
// From ffprobe's JSON; a video it could not read gives facts that never copy.
VideoFacts parseVideoFacts(const QByteArray& json);

// Asks for the first video packet from the key frame at or before `from`.
QStringList keyFrameArguments(const QString& video, const VideoFacts& facts, double from);
// Whether that packet is a key frame within half a frame of `from`.
bool startsOnKeyFrame(const QByteArray& csv, const VideoFacts& facts, double from);

// ffmpeg's arguments for one clip written to `target` as MP4.
QStringList cutArguments(const QString& video, double from, double to, bool copy,
                         const QString& target);
