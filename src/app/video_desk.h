// The match's video beside the match window: the player window, made at the
// first video; the video's tie to the match (its sync points, the clock
// following it), kept with the match; an event played from a little before
// to a little after it; the events marked on the position bar.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "keymap.h"
#include "match.h"

class PlayerWindow;
class QCheckBox;
class QLabel;
class QWidget;

class VideoDesk : public QObject {
 public:
  // `redraw` brings the windows in line with the match; `keep` keeps the
  // match in its file and redraws, after a change of the tie.
  VideoDesk(Match& match, QWidget& matchWindow, std::function<void()> redraw,
            std::function<void()> keep);
  ~VideoDesk() override;

  // The data folder of the match file: a video there or below is kept by
  // its path relative to it, so the folder can move with its videos.
  void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

  // Opens `file` as the match's video, or shows the one open.
  void open(const std::filesystem::path& file);
  // The 映像 button: the window if a video is open, else a file to choose.
  void choose();
  // After each step: a match brought back or opened with a video gets it
  // back where it was left (asking where it is when it has moved), and the
  // marks follow the events.
  void matchChanged();

  bool isOpen() const;
  PlayerWindow* window() const { return window_.get(); }
  // Plays the event from the lead before it to the tail after it.
  void watch(const Event& e);
  // Plays the events (indices into match.events()) one after another, in
  // the order of the video.
  void playEvents(const std::vector<std::size_t>& events);
  // Cuts the events out of the video into a folder the operator chooses.
  void exportClips(const std::vector<std::size_t>& events);
  // The event is where the video is now: a sync point.
  void tie(const Event& e);
  void command(VideoCommand c);

 private:
  void makeWindow();
  void askWhereVideoIs(const std::filesystem::path& file);
  void openFile(const QString& file, double at);
  void setTie(VideoLink link);
  // The clips of `events`; empty, with a box saying why, when none can be
  // placed in the video.
  std::vector<struct EventClip> clipsOf(const std::vector<std::size_t>& events);
  void showPosition(double seconds);
  void refreshMarks();
  void showTie();
  std::string keptPath(const std::filesystem::path& file) const;
  std::filesystem::path fileOf(const std::string& kept) const;

  Match& match_;
  QWidget& matchWindow_;
  std::function<void()> redraw_;
  std::function<void()> keep_;
  std::filesystem::path folder_;
  std::unique_ptr<PlayerWindow> window_;
  QCheckBox* followBox_ = nullptr;
  QLabel* tieLabel_ = nullptr;
  std::string askedFor_;  // the match's video last reopened or asked for
  // What the marks were drawn from.
  uint64_t markedRewrites_ = ~0ull;
  size_t markedEvents_ = ~size_t{0};
  std::vector<SyncPoint> markedPoints_;
  // The clock as last drawn while it follows the video.
  int shownSeconds_ = -1;
  bool shownTicking_ = false;
};
