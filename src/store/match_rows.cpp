#include "match_rows.h"

#include <sstream>

#include "store_error.h"

namespace {

// The columns of each table, in the order the statements bind them and the
// readers select them.
const char* const kMatchColumns =
    "started, last_step, ended, file_stem, export_prefix, team1, team2, unsaved, "
    "clock_started, clock_running, clock_started_at, clock_paused_at, clock_paused_total, "
    "clock_shown, entry_stage, entry_correctable, "
    "entry_team, entry_slot, entry_clock, entry_number, entry_name, entry_action, entry_place, "
    "entry_detail, screen_visible, screen_front, roster_carried, splash_shown, "
    "half_minutes, overtime, time_out_rule, clock_period, clock_period_over, entry_period, "
    "analysis_team, analysis_slot, entry_picked_at, entry_video_at, video_path, video_position, "
    "clock_follows_video, clip_lead, clip_tail";
const char* const kRosterColumns =
    "team, slot, number, name, goals, warnings, suspensions, disqualifications, goalkeeper";
const char* const kNoteColumns = "line, text";
const char* const kEventColumns =
    "position, team, slot, clock, number, name, action, place, detail, period, "
    "outcome, attack, assist, goalkeeper, written_report, picked_at, video_at";
const char* const kEditColumns =
    "stack, position, kind, at, "
    "b_team, b_slot, b_clock, b_number, b_name, b_action, b_place, b_detail, "
    "a_team, a_slot, a_clock, a_number, a_name, a_action, a_place, a_detail, b_period, a_period, "
    "b_outcome, b_attack, b_assist, b_goalkeeper, a_outcome, a_attack, a_assist, a_goalkeeper, "
    "b_written_report, a_written_report, b_picked_at, a_picked_at, b_video_at, a_video_at";
const char* const kGoalkeeperChangeColumns = "position, team, slot, clock, period";
const char* const kSavedFileColumns = "device, inode, path";
const char* const kClockRunColumns = "position, period, from_clock, started_at, stopped_at";
const char* const kSyncPointColumns = "position, video, period, clock, time_of_day";

// "`verb` INTO `table` (`key`, columns) VALUES (`keyValue`, ?1, ?2, ...)".
std::string writing(const char* verb, const char* table, const char* columns,
                    const char* key = nullptr, const char* keyValue = nullptr) {
  std::string sql = std::string(verb) + " INTO " + table + " (";
  if (key) sql += std::string(key) + ", ";
  sql += std::string(columns) + ") VALUES (";
  if (keyValue) sql += std::string(keyValue) + ", ";
  int count = 1;
  for (const char* c = columns; *c; ++c) count += *c == ',';
  for (int i = 1; i <= count; ++i) sql += (i > 1 ? ", ?" : "?") + std::to_string(i);
  return sql + ")";
}

// "SELECT `key`, columns FROM `rest`".
std::string selecting(const char* columns, const char* rest, const char* key = nullptr) {
  return std::string("SELECT ") + (key ? std::string(key) + ", " : "") + columns + " FROM " + rest;
}

}  // namespace

namespace rows {

const std::string kReplaceMatch = writing("REPLACE", "match", kMatchColumns, "id", "1");
const std::string kReplaceRoster = writing("REPLACE", "roster", kRosterColumns);
const std::string kReplaceNote = writing("REPLACE", "notes", kNoteColumns);
// REPLACE: the last event is written again when its facts change.
const std::string kReplaceEvent = writing("REPLACE", "events", kEventColumns);
const std::string kInsertGoalkeeperChange =
    writing("INSERT", "goalkeeper_changes", kGoalkeeperChangeColumns);
const std::string kInsertEdit = writing("INSERT", "edits", kEditColumns);
const std::string kInsertSavedFile = writing("INSERT", "saved_files", kSavedFileColumns);
const std::string kReplaceClockRun = writing("REPLACE", "clock_runs", kClockRunColumns);
const std::string kInsertSyncPoint = writing("INSERT", "sync_points", kSyncPointColumns);

namespace {

// An event's eight columns from parameter `first` on. An event not `used`
// (no entry open, the missing side of an insert or removal) is kept with
// team 0, as files have always had it.
void bindEventAt(Statement& s, int first, const Event& e, bool used) {
  s.bind(first, used ? teamNumber(e.team) : 0)
      .bind(first + 1, e.slot)
      .bind(first + 2, e.clockSeconds)
      .bind(first + 3, e.number)
      .bind(first + 4, e.name)
      .bind(first + 5, static_cast<int>(e.action))
      .bind(first + 6, e.place)
      .bind(first + 7, e.detail);
}

// An event's four facts from parameter `first` on (added by version 4).
void bindFactsAt(Statement& s, int first, const EventFacts& f) {
  s.bind(first, static_cast<int>(f.outcome))
      .bind(first + 1, static_cast<int>(f.attack))
      .bind(first + 2, f.assist)
      .bind(first + 3, f.goalkeeper);
}

std::string frontText(const std::vector<StoredWindow>& order) {
  std::string text;
  for (StoredWindow w : order) {
    if (!text.empty()) text += ',';
    text += std::to_string(static_cast<int>(w));
  }
  return text;
}

}  // namespace

void bindMatch(Statement& s, const Header& h, const Match& m, const StoredScreen& screen) {
  const MatchClock::State c = m.clock().state();
  const Entry& entry = m.entry();
  s.bind(1, h.started)
      .bind(2, h.lastStepMs)
      .bind(3, h.ended)
      .bind(4, m.fileStem)
      .bind(5, m.exportPrefix)
      .bind(6, m.team(TeamId::One).name)
      .bind(7, m.team(TeamId::Two).name)
      .bind(8, m.unsaved())
      .bind(9, c.started)
      .bind(10, c.running)
      .bind(11, c.startedAt)
      .bind(12, c.pausedAt)
      .bind(13, c.pausedTotal)
      .bind(14, c.shown)
      .bind(15, static_cast<int>(entry.stage))
      .bind(16, entry.personCorrectable);
  bindEventAt(s, 17, entry.event, entry.open());
  s.bind(25, screen.visible)
      .bind(26, frontText(screen.frontOrder))
      .bind(27, screen.rosterCarried)
      .bind(28, screen.splashShown);
  // Added by version 2, at the end of the row.
  const MatchSettings& settings = m.settings();
  s.bind(29, settings.periods.halfMinutes)
      .bind(30, settings.periods.overtime)
      .bind(31, static_cast<int>(settings.timeOutRule))
      .bind(32, c.period)
      .bind(33, c.periodOver)
      .bind(34, entry.event.period);
  // Added by version 3.
  s.bind(35, teamNumber(screen.analysisTeam)).bind(36, screen.analysisSlot);
  // Added by version 6.
  const VideoLink& video = m.video();
  s.bind(37, entry.event.pickedAt)
      .bind(38, entry.event.videoAt)
      .bind(39, video.path)
      .bind(40, video.position)
      .bind(41, video.clockFollows)
      .bind(42, settings.clipLeadSeconds)
      .bind(43, settings.clipTailSeconds);
}

void bindRosterLine(Statement& s, TeamId team, int slot, const RosterLine& line) {
  s.bind(1, teamNumber(team)).bind(2, slot).bind(3, line.number).bind(4, line.name);
  for (int c = 0; c < kCounts; ++c) s.bind(5 + c, line.counts[c]);
  s.bind(9, line.goalkeeper);
}

void bindEvent(Statement& s, int position, const Event& e) {
  s.bind(1, position);
  bindEventAt(s, 2, e, true);
  s.bind(10, e.period);
  bindFactsAt(s, 11, e.facts);
  s.bind(15, e.facts.writtenReport);           // added by version 5
  s.bind(16, e.pickedAt).bind(17, e.videoAt);  // version 6
}

void bindEdit(Statement& s, int stack, int position, const EventEdit& edit) {
  s.bind(1, stack).bind(2, position).bind(3, static_cast<int>(edit.kind)).bind(4, edit.at);
  bindEventAt(s, 5, edit.before, edit.kind != EditKind::Insert);
  bindEventAt(s, 13, edit.after, edit.kind != EditKind::Remove);
  s.bind(21, edit.before.period).bind(22, edit.after.period);
  bindFactsAt(s, 23, edit.before.facts);
  bindFactsAt(s, 27, edit.after.facts);
  s.bind(31, edit.before.facts.writtenReport).bind(32, edit.after.facts.writtenReport);
  s.bind(33, edit.before.pickedAt)
      .bind(34, edit.after.pickedAt)
      .bind(35, edit.before.videoAt)
      .bind(36, edit.after.videoAt);
}

void bindClockRun(Statement& s, int position, const ClockRun& r) {
  s.bind(1, position)
      .bind(2, r.period)
      .bind(3, r.fromSeconds)
      .bind(4, r.startedAt)
      .bind(5, r.stoppedAt);
}

void bindSyncPoint(Statement& s, int position, const SyncPoint& p) {
  s.bind(1, position)
      .bind(2, p.videoSeconds)
      .bind(3, p.period)
      .bind(4, p.clockSeconds)
      .bind(5, p.timeOfDay);
}

void bindGoalkeeperChange(Statement& s, int position, const GoalkeeperChange& c) {
  s.bind(1, position)
      .bind(2, teamNumber(c.team))
      .bind(3, c.slot)
      .bind(4, c.clockSeconds)
      .bind(5, c.period);
}

}  // namespace rows

namespace {

class Reader {
 public:
  Reader(Database& db, const std::string& path) : db_(db), path_(path) {}

  [[noreturn]] void damaged(const std::string& what) const {
    throw StoreError(StoreProblem::Damaged, path_, what);
  }

  // A text no longer than any the program lets the operator type.
  std::string text(const Statement& s, int col) const {
    std::string t = s.text(col);
    if (t.size() > kMaxTextBytes) damaged("text of " + std::to_string(t.size()) + " bytes");
    return t;
  }

  double real(const Statement& s, int col, double low, double high, const char* what) const {
    const double v = s.real(col);
    if (!(v >= low && v <= high)) damaged(std::string(what) + " " + std::to_string(v));
    return v;
  }

  // A time of day in days, or -1 for none.
  double timeOfDay(const Statement& s, int col, const char* what) const {
    const double v = s.real(col);
    // Between -1 and 0: a pick an earlier build moved before the day began
    // when its time was mended; not known, as that build should have kept it.
    if (v > -1 && v < 0) return -1;
    return v == -1 ? v : real(s, col, 0, kLatestTimeOfDay, what);
  }

  double videoAt(const Statement& s, int col) const {
    const double v = s.real(col);
    return v == -1 ? v : real(s, col, 0, kLongestVideo, "video position");
  }

  // The pick's time of day and the video position from `first`.
  void moments(const Statement& s, int first, Event& e) const {
    e.pickedAt = timeOfDay(s, first, "time of pick");
    e.videoAt = videoAt(s, first + 1);
  }

  int64_t ranged(const Statement& s, int col, int64_t low, int64_t high, const char* what) const {
    const int64_t v = s.integer(col);
    if (v < low || v > high) damaged(std::string(what) + " " + std::to_string(v));
    return v;
  }

  // Eight columns from `first`. A completed event is one that entering an
  // event could give; the one being entered may lack what it has not reached.
  Event event(const Statement& s, int first, bool complete) const {
    Event e;
    e.team = teamNumbered(ranged(s, first, complete ? 1 : 0, 2, "team")).value_or(TeamId::One);
    e.slot = static_cast<int>(ranged(s, first + 1, 0, kLastPlayerSlot, "slot"));
    e.clockSeconds = static_cast<int>(ranged(s, first + 2, 0, INT32_MAX, "clock"));
    e.number = text(s, first + 3);
    e.name = text(s, first + 4);
    e.action = static_cast<Action>(ranged(s, first + 5, 1, kActions, "action"));
    e.place = static_cast<int>(ranged(s, first + 6, 0, place::kBench, "place"));
    e.detail = static_cast<int>(ranged(s, first + 7, 0, detailCount(e.action), "detail"));
    if (complete &&
        (!allowedForSlot(e.action, e.slot) || !placeAllowed(e.action, e.place) || e.detail == 0))
      damaged("event");
    return e;
  }

  // The four facts from `first` and the written report at `report`, which
  // must be those the event could have.
  void facts(const Statement& s, int first, int report, Event& e) const {
    EventFacts& f = e.facts;
    f.outcome = static_cast<MissOutcome>(ranged(s, first, 0, kMissOutcomes, "outcome"));
    f.attack = static_cast<AttackKind>(ranged(s, first + 1, 0, kAttackKinds - 1, "attack"));
    f.assist = static_cast<int>(ranged(s, first + 2, 0, kLastPlayerSlot, "assist"));
    f.goalkeeper = static_cast<int>(ranged(s, first + 3, 0, kLastPlayerSlot, "goalkeeper"));
    f.writtenReport = ranged(s, report, 0, 1, "written report") != 0;
    if (fittingFacts(e.action, e.slot, e.detail, f) != f) damaged("facts");
  }

  void match(StoredMatch& st) {
    Statement s = db_.prepare(selecting(kMatchColumns, "match WHERE id = 1", "id"));
    if (!s.step()) damaged("no match row");
    MatchState& m = st.match;
    st.started = text(s, 1);
    st.lastStepMs = s.integer(2);
    st.ended = s.integer(3) != 0;
    m.fileStem = text(s, 4);
    m.exportPrefix = text(s, 5);
    m.teams[0].name = text(s, 6);
    m.teams[1].name = text(s, 7);
    m.unsaved = s.integer(8) != 0;
    m.clock = {s.real(11),         s.real(12),
               s.real(13),         s.integer(9) != 0,
               s.integer(10) != 0, static_cast<int>(ranged(s, 14, 0, INT32_MAX, "clock"))};
    m.entry.stage =
        static_cast<Stage>(ranged(s, 15, 0, static_cast<int>(Stage::PlaceChosen), "stage"));
    m.entry.personCorrectable = s.integer(16) != 0;
    m.entry.event = event(s, 17, false);
    if (m.entry.open() && s.integer(17) == 0) damaged("entry");
    // Bits of windows this program does not know are left out.
    int64_t known = 0;
    for (int w = 1; w <= kStoredWindows; ++w) known |= windowBit(static_cast<StoredWindow>(w));
    st.screen.visible = s.integer(25) & known;
    std::istringstream front(text(s, 26));
    for (std::string w; std::getline(front, w, ',');) {
      const int id = std::atoi(w.c_str());
      if (id < 1 || id > kStoredWindows) damaged("window " + w);
      st.screen.frontOrder.push_back(static_cast<StoredWindow>(id));
    }
    st.screen.rosterCarried = s.integer(27) != 0;
    st.screen.splashShown = s.integer(28) != 0;
    m.settings.periods.halfMinutes = static_cast<int>(ranged(s, 29, 1, 90, "half"));
    m.settings.periods.overtime = s.integer(30) != 0;
    m.settings.timeOutRule = static_cast<TimeOutRule>(ranged(s, 31, 0, 1, "time-out rule"));
    m.clock.period = static_cast<int>(ranged(s, 32, 1, m.settings.periods.last(), "period"));
    m.clock.periodOver = s.integer(33) != 0;
    m.entry.event.period = static_cast<int>(ranged(s, 34, 1, kMostPeriods, "period"));
    st.screen.analysisTeam = *teamNumbered(ranged(s, 35, 1, kTeams, "analysis team"));
    st.screen.analysisSlot = static_cast<int>(ranged(s, 36, 0, kLastPlayerSlot, "analysis person"));
    moments(s, 37, m.entry.event);
    m.video.path = text(s, 39);
    m.video.position = real(s, 40, 0, kLongestVideo, "video position");
    m.video.clockFollows = s.integer(41) != 0;
    m.settings.clipLeadSeconds = static_cast<int>(ranged(s, 42, 0, kLongestClipPart, "clip lead"));
    m.settings.clipTailSeconds = static_cast<int>(ranged(s, 43, 0, kLongestClipPart, "clip tail"));
    s.reset();
  }

  void roster(StoredMatch& st) {
    Statement s = db_.prepare(selecting(kRosterColumns, "roster"));
    while (s.step()) {
      const TeamId team = *teamNumbered(ranged(s, 0, 1, 2, "team"));
      const int slot = static_cast<int>(ranged(s, 1, 0, kLastPlayerSlot, "slot"));
      RosterLine& line = st.match.teams[teamIndex(team)].lines[slot];
      line.number = text(s, 2);
      line.name = text(s, 3);
      for (int c = 0; c < kCounts; ++c) line.counts[c] = text(s, 4 + c);
      line.goalkeeper = ranged(s, 8, 0, 1, "goalkeeper") != 0;
    }
    Statement n = db_.prepare(selecting(kNoteColumns, "notes"));
    while (n.step()) st.screen.notes[ranged(n, 0, 0, kRosterLines - 1, "line")] = text(n, 1);
  }

  void events(StoredMatch& st) {
    Statement s = db_.prepare(selecting(kEventColumns, "events ORDER BY position"));
    for (int64_t expected = 0; s.step(); ++expected) {
      if (st.match.events.size() == kMaxEvents)
        damaged("more than " + std::to_string(kMaxEvents) + " events");
      if (s.integer(0) != expected) damaged("event " + std::to_string(expected) + " missing");
      st.match.events.push_back(event(s, 1, true));
      st.match.events.back().period = static_cast<int>(ranged(s, 9, 1, kMostPeriods, "period"));
      facts(s, 10, 14, st.match.events.back());
      moments(s, 15, st.match.events.back());
    }
    Statement g =
        db_.prepare(selecting(kGoalkeeperChangeColumns, "goalkeeper_changes ORDER BY position"));
    for (int64_t expected = 0; g.step(); ++expected) {
      if (st.match.goalkeeperChanges.size() == kMaxGoalkeeperChanges) damaged("goalkeeper changes");
      if (g.integer(0) != expected) damaged("goalkeeper change missing");
      st.match.goalkeeperChanges.push_back(
          {*teamNumbered(ranged(g, 1, 1, 2, "team")),
           static_cast<int>(ranged(g, 2, 1, kLastPlayerSlot, "goalkeeper")),
           static_cast<int>(ranged(g, 3, 0, INT32_MAX, "clock")),
           static_cast<int>(ranged(g, 4, 1, kMostPeriods, "period"))});
    }
  }

  void edits(StoredMatch& st) {
    Statement s = db_.prepare(selecting(kEditColumns, "edits ORDER BY stack, position"));
    for (size_t count = 0; s.step(); ++count) {
      if (count == kMaxEdits) damaged("more than " + std::to_string(kMaxEdits) + " edits");
      EventEdit edit;
      edit.kind = static_cast<EditKind>(ranged(s, 2, 1, 3, "edit"));
      edit.at = static_cast<int>(ranged(s, 3, 0, INT32_MAX, "edit position"));
      if (edit.kind != EditKind::Insert) edit.before = event(s, 4, true);
      if (edit.kind != EditKind::Remove) edit.after = event(s, 12, true);
      edit.before.period = static_cast<int>(ranged(s, 20, 1, kMostPeriods, "period"));
      edit.after.period = static_cast<int>(ranged(s, 21, 1, kMostPeriods, "period"));
      if (edit.kind != EditKind::Insert) facts(s, 22, 30, edit.before);
      if (edit.kind != EditKind::Remove) facts(s, 26, 31, edit.after);
      if (edit.kind != EditKind::Insert) {
        edit.before.pickedAt = timeOfDay(s, 32, "time of pick");
        edit.before.videoAt = videoAt(s, 34);
      }
      if (edit.kind != EditKind::Remove) {
        edit.after.pickedAt = timeOfDay(s, 33, "time of pick");
        edit.after.videoAt = videoAt(s, 35);
      }
      auto& stack =
          ranged(s, 0, 0, 1, "edit stack") == 0 ? st.match.history.done : st.match.history.undone;
      stack.push_back(std::move(edit));
    }
    Statement f = db_.prepare(selecting(kSavedFileColumns, "saved_files"));
    while (f.step()) {
      if (st.match.savedFiles.size() == kMaxSavedFiles) damaged("saved files");
      st.match.savedFiles.push_back(
          {text(f, 2), {static_cast<uint64_t>(f.integer(0)), static_cast<uint64_t>(f.integer(1))}});
    }
  }

  void video(StoredMatch& st);

 private:
  Database& db_;
  const std::string& path_;
};

}  // namespace

void Reader::video(StoredMatch& st) {
  MatchState& m = st.match;
  Statement r = db_.prepare(selecting(kClockRunColumns, "clock_runs ORDER BY position"));
  for (int64_t expected = 0; r.step(); ++expected) {
    if (m.clockRuns.size() == kMaxClockRuns) damaged("clock runs");
    if (r.integer(0) != expected) damaged("clock run missing");
    ClockRun run;
    run.period = static_cast<int>(ranged(r, 1, 1, kMostPeriods, "period"));
    run.fromSeconds = real(r, 2, 0, INT32_MAX, "clock");
    run.startedAt = real(r, 3, 0, 2, "run start");
    run.stoppedAt = timeOfDay(r, 4, "run stop");
    m.clockRuns.push_back(run);
  }
  Statement p = db_.prepare(selecting(kSyncPointColumns, "sync_points ORDER BY position"));
  while (p.step()) {
    if (m.video.points.size() == kMostSyncPoints) damaged("sync points");
    SyncPoint point;
    point.videoSeconds = real(p, 1, 0, kLongestVideo, "video position");
    point.period = static_cast<int>(ranged(p, 2, 1, kMostPeriods, "period"));
    point.clockSeconds = real(p, 3, 0, INT32_MAX, "clock");
    point.timeOfDay = timeOfDay(p, 4, "time of day");
    m.video.points.push_back(point);
  }
}

StoredMatch readStoredMatch(Database& db, const std::string& path) {
  StoredMatch st;
  Reader r(db, path);
  r.match(st);
  r.roster(st);
  r.events(st);
  r.edits(st);
  r.video(st);
  return st;
}
