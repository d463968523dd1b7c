#include "match.h"

#include <algorithm>
#include <utility>

#include "shoot_out.h"
#include "user_error.h"
#include "video_sync.h"

Match::Match() : timeOfDay(wallTimeOfDay) {
  team(TeamId::One).name = "ルビナ大学";
  team(TeamId::Two).name = "団体名";
}

void Match::startClock() {
  if (clock_.started()) return;
  const double now = timeOfDay();
  clock_.start(now);
  noteClockRun(now, false);
}

void Match::togglePause() {
  const double now = timeOfDay();
  clock_.togglePause(now, score(TeamId::One) == score(TeamId::Two));
  noteClockRun(now, false);
}

bool Match::matchOver() const {
  if (clock_.inShootOut()) return shootOut(*this).decided();
  return clock_.matchOver(score(TeamId::One) == score(TeamId::Two));
}

void Match::tickClock() {
  const double now = timeOfDay();
  clock_.tick(now);
  noteClockRun(now, false);
}

void Match::nudgeClock(int seconds) {
  if (video_.clockFollows && clock_.started())
    return retieVideo(clock_.playedSecondsAt(timeOfDay()) + seconds);
  const double now = timeOfDay();
  clock_.nudge(now, seconds);
  noteClockRun(now, true);
}

void Match::setClock(int seconds) {
  if (video_.clockFollows && clock_.started()) return retieVideo(seconds);
  const double now = timeOfDay();
  clock_.setTo(now, seconds);
  noteClockRun(now, true);
}

// A run ends when the clock stops or is moved, and a new one begins when it
// runs on. While the clock follows a video its time is the video's.
void Match::noteClockRun(double now, bool moved) {
  if (video_.clockFollows) return;
  const bool open = !clockRuns_.empty() && clockRuns_.back().stoppedAt < 0;
  if (open && (moved || !clock_.ticking())) {
    ClockRun& r = clockRuns_.back();
    // Stopped by the end of its period: at that moment, not at the tick.
    r.stoppedAt = clock_.periodOver() && r.period == clock_.period()
                      ? r.startedAt + (clock_.shownSeconds() - r.fromSeconds) / 86400.0
                      : now;
  }
  if (clock_.ticking() && (!open || moved))
    clockRuns_.push_back({clock_.period(), clock_.playedSecondsAt(now), now, -1});
}

void Match::setVideo(VideoLink v) {
  video_ = std::move(v);
  videoAt(video_.position, videoPlaying_);
}

void Match::videoAt(double seconds, bool playing) {
  video_.position = seconds;
  videoPlaying_ = playing;
  if (!video_.clockFollows || video_.path.empty()) return;
  const auto t = matchTimeAt(seconds, video_, settings_.periods);
  if (!t || t->period > settings_.periods.last()) return;  // before the kick-off's mark
  clock_.follow(timeOfDay(), t->period, t->seconds, playing);
}

void Match::retieVideo(double seconds) {
  const auto now = matchTimeAt(video_.position, video_, settings_.periods);
  if (!now) return;
  for (auto p = video_.points.rbegin(); p != video_.points.rend(); ++p)
    if (p->videoSeconds <= video_.position) {
      const double start = settings_.periods.startSeconds(p->period);
      const double end = settings_.periods.endSeconds(p->period);
      const double target = std::clamp(seconds, start, end);
      p->videoSeconds += now->seconds - target;
      break;
    }
  videoAt(video_.position, videoPlaying_);
}

void Match::setSettings(const MatchSettings& s) {
  settings_ = s;
  // Overtime under way stays: the clock and the events are in its periods.
  if (clock_.period() > settings_.periods.count()) settings_.periods.overtime = true;
  clock_.setPeriods(settings_.periods);
}

bool Match::canPickPerson() const {
  return clock_.started() && (entry_.stage == Stage::None || entry_.stage == Stage::PersonCleared);
}

bool Match::pickPerson(TeamId team, int slot) {
  if (!canPickPerson() || slot < 0 || slot > kLastPlayerSlot) return false;
  Event& e = entry_.event;
  // A new event takes the time on the clock; a corrected one keeps its time,
  // even when it moves to the other team.
  if (entry_.stage == Stage::None) {
    e = Event{};
    e.clockSeconds = clock_.shownSeconds();
    e.period = clock_.period();
    e.pickedAt = timeOfDay();
    if (video_.clockFollows && !video_.path.empty()) e.videoAt = video_.position;
  }
  const RosterLine& line = this->team(team).lines[slot];
  e.team = team;
  e.slot = slot;
  e.number = line.number;
  e.name = line.name;
  entry_.stage = Stage::PersonPicked;
  entry_.personCorrectable = true;
  unsaved_ = true;
  return true;
}

bool Match::canCorrectPerson() const {
  return entry_.stage == Stage::PersonPicked && entry_.personCorrectable;
}

bool Match::correctPerson() {
  if (!canCorrectPerson()) return false;
  entry_.stage = Stage::PersonCleared;
  entry_.personCorrectable = false;
  unsaved_ = true;
  return true;
}

bool Match::canChooseAction(Action a) const {
  return entry_.stage == Stage::PersonPicked && allowedForSlot(a, entry_.event.slot);
}

bool Match::chooseAction(Action a) {
  if (!canChooseAction(a)) return false;
  Event& e = entry_.event;
  if (a == Action::Goal) {
    std::string& goals = team(e.team).lines[e.slot].count(Count::Goals);
    goals = raisedCount(goals);  // throws before anything else changed
  }
  e.action = a;
  entry_.stage = Stage::ActionChosen;
  entry_.personCorrectable = false;
  unsaved_ = true;
  return true;
}

bool Match::canChoosePlace(int place) const {
  return entry_.stage == Stage::ActionChosen && placeAllowed(entry_.event.action, place);
}

bool Match::choosePlace(int place) {
  if (!canChoosePlace(place)) return false;
  entry_.event.place = place;
  entry_.stage = Stage::PlaceChosen;
  unsaved_ = true;
  return true;
}

bool Match::canChooseDetail(int code) const {
  return entry_.stage == Stage::PlaceChosen && code >= 1 &&
         code <= detailCount(entry_.event.action);
}

bool Match::chooseDetail(int code) {
  if (!canChooseDetail(code)) return false;
  Event& e = entry_.event;
  if (e.action == Action::Foul) {
    std::string& cell = team(e.team).lines[e.slot].count(countOf(static_cast<Sanction>(code)));
    cell = raisedCount(cell);  // throws before anything else changed
  }
  e.detail = code;
  complete();
  return true;
}

bool Match::takeBackAction() {
  if (entry_.stage != Stage::ActionChosen) return false;
  const Event& e = entry_.event;
  if (e.action == Action::Goal) {
    std::string& goals = team(e.team).lines[e.slot].count(Count::Goals);
    goals = loweredCount(goals);  // throws before anything else changed
  }
  entry_.stage = Stage::PersonPicked;
  unsaved_ = true;
  return true;
}

bool Match::takeBackPlace() {
  if (entry_.stage != Stage::PlaceChosen) return false;
  entry_.event.place = 0;
  entry_.stage = Stage::ActionChosen;
  unsaved_ = true;
  return true;
}

void Match::complete() {
  Event& e = entry_.event;
  if (takesGoalkeeper(e.action)) e.facts.goalkeeper = goalkeeperInGoal(otherTeam(e.team));
  teamEvents_[teamIndex(entry_.event.team)].push_back(static_cast<int>(events_.size()));
  events_.push_back(entry_.event);
  entry_ = Entry{};
  unsaved_ = true;
}

void Match::changeEvents(const EventEdit& e) {
  const auto at = events_.begin() + e.at;
  if (e.kind == EditKind::Replace)
    *at = e.after;
  else if (e.kind == EditKind::Remove)
    events_.erase(at);
  else
    events_.insert(at, e.after);
  reindex();
}

void Match::doEdit(const EventEdit& e) {
  changeEvents(e);
  history_.done.push_back(e);
  history_.undone.clear();
}

void Match::undoEdit() {
  if (history_.done.empty()) return;
  changeEvents(inverse(history_.done.back()));
  history_.undone.push_back(std::move(history_.done.back()));
  history_.done.pop_back();
}

void Match::redoEdit() {
  if (history_.undone.empty()) return;
  changeEvents(history_.undone.back());
  history_.done.push_back(std::move(history_.undone.back()));
  history_.undone.pop_back();
}

void Match::reindex() {
  for (auto& index : teamEvents_) index.clear();
  for (size_t i = 0; i < events_.size(); ++i)
    teamEvents_[teamIndex(events_[i].team)].push_back(static_cast<int>(i));
  ++rewrites_;
  unsaved_ = true;
}

MatchState Match::state() const {
  return {teams_,   fileStem,    exportPrefix, settings_,          clock_.state(), events_, entry_,
          unsaved_, savedFiles_, history_,     goalkeeperChanges_, clockRuns_,     video_};
}

void Match::restore(MatchState s) {
  teams_ = std::move(s.teams);
  fileStem = std::move(s.fileStem);
  exportPrefix = std::move(s.exportPrefix);
  setSettings(s.settings);
  clock_.restore(s.clock);
  events_ = std::move(s.events);
  entry_ = std::move(s.entry);
  savedFiles_ = std::move(s.savedFiles);
  history_ = std::move(s.history);
  goalkeeperChanges_ = std::move(s.goalkeeperChanges);
  clockRuns_ = std::move(s.clockRuns);
  video_ = std::move(s.video);
  reindex();
  unsaved_ = s.unsaved;  // after reindex, which counts as a change
}

int Match::score(TeamId team) const {
  int goals = 0;
  for (const Event& e : events_)
    goals += e.team == team && e.action == Action::Goal && !inShootOut(e);
  if (entry_.reached(Stage::ActionChosen) && entry_.event.team == team &&
      entry_.event.action == Action::Goal && !inShootOut(entry_.event))
    ++goals;
  return goals;
}

int Match::warnings(TeamId team) const {
  int n = 0;
  for (const Event& e : events_)
    n += e.team == team && e.action == Action::Foul &&
         e.detail == static_cast<int>(Sanction::Warning);
  return n;
}

void Match::markSaved(const std::vector<SavedFile>& written) {
  unsaved_ = false;
  for (const SavedFile& f : written) adoptFile(f);
}

void Match::adoptFile(const SavedFile& f) {
  std::erase_if(savedFiles_, [&](const SavedFile& s) { return s.path == f.path; });
  savedFiles_.push_back(f);
}

bool Match::wroteFile(const FileIdentity& f) const {
  return std::any_of(savedFiles_.begin(), savedFiles_.end(),
                     [&](const SavedFile& s) { return s.identity == f; });
}

int Match::goalkeeperInGoal(TeamId team) const {
  for (auto c = goalkeeperChanges_.rbegin(); c != goalkeeperChanges_.rend(); ++c)
    if (c->team == team) return c->slot;
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    if (teams_[teamIndex(team)].lines[slot].goalkeeper) return slot;
  return 0;
}

int Match::goalkeeperAt(TeamId team, int period, int clockSeconds) const {
  int slot = 0;
  for (const GoalkeeperChange& c : goalkeeperChanges_)
    if (c.team == team && std::pair(c.period, c.clockSeconds) <= std::pair(period, clockSeconds))
      slot = c.slot;
  if (slot != 0) return slot;
  // Before any change the first marked line was in goal; after a change
  // that came later in the match, that change's player.
  for (int s = 1; s <= kLastPlayerSlot; ++s)
    if (teams_[teamIndex(team)].lines[s].goalkeeper) return s;
  for (const GoalkeeperChange& c : goalkeeperChanges_)
    if (c.team == team) return c.slot;
  return 0;
}

bool Match::changeGoalkeeper(TeamId team, int slot) {
  if (slot < 1 || slot > kLastPlayerSlot || goalkeeperInGoal(team) == slot) return false;
  teams_[teamIndex(team)].lines[slot].goalkeeper = true;
  goalkeeperChanges_.push_back({team, slot, clock_.shownSeconds(), clock_.period()});
  unsaved_ = true;
  return true;
}

bool Match::markGoalkeeper(TeamId team, int slot, bool goalkeeper) {
  if (slot < 1 || slot > kLastPlayerSlot) return false;
  bool& mark = teams_[teamIndex(team)].lines[slot].goalkeeper;
  if (mark == goalkeeper) return false;
  mark = goalkeeper;
  unsaved_ = true;
  return true;
}

const Event* Match::factsTarget() const {
  if (entry_.open() || events_.empty()) return nullptr;
  return &events_.back();
}

bool Match::setLastFacts(const EventFacts& f) {
  if (!factsTarget()) return false;
  Event& e = events_.back();
  const EventFacts fitting = fittingFacts(e.action, e.slot, e.detail, f);
  if (fitting == e.facts) return false;
  e.facts = fitting;
  ++factsChanges_;
  unsaved_ = true;
  return true;
}
