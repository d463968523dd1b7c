#include "step_plan.h"

#include "event_editor.h"
#include "match_script.h"
#include "roster_grid.h"
#include "save_match.h"
#include "video_sync.h"

namespace {

class Planner : public ScriptOperator {
 public:
  Planner(StepPlan& plan, bool detours) : plan_(plan), detours_(detours) {}

  void setStem(const std::string& text) override {
    add("stem", [text](Screen& s) { s.typeFileStem(text); });
  }
  void setPrefix(const std::string& text) override {
    add("prefix", [text](Screen& s) { s.typeExportPrefix(text); });
  }
  void setTeamName(TeamId team, const std::string& text) override {
    add("team name", [team, text](Screen& s) { s.typeTeamName(team, text); });
  }
  void setRosterLine(TeamId team, int slot, const std::string& number,
                     const std::string& name) override {
    add("roster number",
        [=](Screen& s) { RosterGrid(s).setCell(RosterGrid::columnOf(team, 1), slot + 1, number); });
    add("roster name",
        [=](Screen& s) { RosterGrid(s).setCell(RosterGrid::columnOf(team, 2), slot + 1, name); });
  }
  void startMatch() override {
    if (detours_) {
      add("note",
          [](Screen& s) { RosterGrid(s).setCell(RosterGrid::kSeparatorColumn, 3, "memo"); });
      // A count typed by hand: the recording counts on from it.
      add("count cell",
          [](Screen& s) { RosterGrid(s).setCell(RosterGrid::columnOf(TeamId::Two, 3), 2, "3"); });
    }
    add("finish input", [](Screen& s) { s.finishInput(); });
    add("start", [](Screen& s) { s.startMatch(); });
    if (detours_) {
      for (TeamId t : kBothTeams)
        add("goalkeeper", [t](Screen& s) { s.match().changeGoalkeeper(t, 1); });
      // A video of the match, tied to it at the kick-off.
      add("video", [](Screen& s) {
        VideoLink v;
        v.path = "videos/match.mp4";
        setSyncPoint(v, kickOffMoment(s.match().clockRuns()), 12.5);
        s.match().setVideo(v);
      });
    }
  }
  void setClock(int seconds) override {
    // Past the end of a half the clock stops there; the operator starts the
    // next half at once, so the clock reads on as if it had never stopped.
    for (int end : {kHalfSeconds, 2 * kHalfSeconds})
      if (clock_ < end && seconds > end) {
        clock_ = end;
        add("tick", [](Screen& s) { s.tick(); });
        add("next half", [](Screen& s) {
          if (s.match().clock().periodOver() && !s.match().clock().matchOver()) s.togglePause();
        });
      }
    clock_ = seconds;
    add("tick", [](Screen& s) { s.tick(); });
    if (detours_ && ticks_++ % 4 == 1) {
      // Paused and continued at once: the playing time is the same.
      add("pause", [](Screen& s) { s.togglePause(); });
      add("continue", [](Screen& s) { s.togglePause(); });
    }
  }
  void recordEvent(TeamId team, int slot, int action, const std::string&, int place,
                   const std::string&, int detail) override {
    const auto a = static_cast<Action>(action);
    const int n = events_++;
    event_ = actionWord(a);
    if (detours_ && n % 5 == 1) {
      add("pick", [team](Screen& s) { s.pickPerson(otherTeam(team), 1); });
      add("correct person", [](Screen& s) { s.correctPerson(); });
    }
    add("pick", [team, slot](Screen& s) { s.pickPerson(team, slot); });
    if (detours_ && n % 5 == 2) {
      add("action", [a](Screen& s) { s.chooseAction(a); });
      add("take back action", [](Screen& s) { s.correctOnCourt(); });
    }
    add("action", [a](Screen& s) { s.chooseAction(a); });
    if (detours_ && n % 5 == 3) {
      add("place", [place](Screen& s) { s.choosePlace(place); });
      if (isShot(a))
        add("take back place", [](Screen& s) { s.correctOnCourt(); });
      else
        add("correct detail", [a](Screen& s) { s.correctDetail(dialogFor(a)); });
    }
    add("place", [place](Screen& s) { s.choosePlace(place); });
    if (isShot(a))
      add("zone", [detail](Screen& s) { s.chooseZone(detail); });
    else
      add("detail " + std::string(actionWord(a)),
          [a, detail](Screen& s) { s.chooseDetail(dialogFor(a), detail); });
    event_.clear();
    if (detours_ && takesWrittenReport(a, detail)) writtenReport(team);
    if (detours_) afterEvent(n, team);
  }

 private:
  void add(std::string kind, std::function<void(Screen&)> take) {
    plan_.steps.push_back({std::move(kind), event_, std::move(take), clock_});
  }

  // A disqualification reported in writing, and an edit that takes the
  // report back undone again: the edit keeps it on both sides.
  void writtenReport(TeamId team) {
    add("written report", [](Screen& s) {
      EventFacts f = s.match().events().back().facts;
      f.writtenReport = true;
      s.match().setLastFacts(f);
    });
    add("edit written report", [team](Screen& s) {
      const int row = s.match().teamEventCount(team) - 1;
      EventDraft d = draftOf(s.match().teamEvent(team, row));
      d.facts.writtenReport = false;
      EventEditor(s.match()).replace(team, row, d);
    });
    add("undo", [](Screen& s) { EventEditor(s.match()).undo(); });
  }

  // Facts said of the event, goalkeepers changed, edits that are undone
  // again, windows switched, a save.
  void afterEvent(int n, TeamId team) {
    if (n % 6 == 0) {
      add("facts", [](Screen& s) {
        const Event& e = s.match().events().back();
        s.match().setLastFacts({MissOutcome::Post, AttackKind::FastBreak,
                                e.slot % kLastPlayerSlot + 1, e.facts.goalkeeper});
      });
    } else if (n % 6 == 1) {
      add("goalkeeper change", [team, n](Screen& s) {
        s.match().changeGoalkeeper(otherTeam(team), n % 4 == 1 ? 2 : 1);
      });
    } else if (n % 6 == 2) {
      add("edit replace", [team](Screen& s) {
        const Event& e = s.match().teamEvent(team, 0);
        EventDraft d = draftOf(e);
        d.clockSeconds = e.clockSeconds == 0 ? 1 : e.clockSeconds - 1;
        d.slot = e.slot == kOfficialSlot ? e.slot : e.slot % kLastPlayerSlot + 1;
        d.facts.attack = AttackKind::Breakthrough;
        if (d.facts.assist == d.slot) d.facts.assist = 0;
        EventEditor(s.match()).replace(team, 0, d);
      });
      add("undo", [](Screen& s) { EventEditor(s.match()).undo(); });
      add("redo", [](Screen& s) { EventEditor(s.match()).redo(); });
      add("undo", [](Screen& s) { EventEditor(s.match()).undo(); });
    } else if (n % 6 == 3) {
      add("edit remove", [team](Screen& s) {
        EventEditor(s.match()).remove(team, s.match().teamEventCount(team) - 1);
      });
      add("undo", [](Screen& s) { EventEditor(s.match()).undo(); });
    } else if (n % 6 == 4) {
      add("edit insert", [team](Screen& s) {
        EventEditor(s.match()).insertBefore(team, 0, {0, 5, Action::Foul, place::kCentre, 2});
      });
      add("undo", [](Screen& s) { EventEditor(s.match()).undo(); });
    } else if (n % 6 == 5) {
      add("show team sheet", [](Screen& s) { s.showTeamSheet(); });
      add("close match window", [](Screen& s) { s.requestClose(WindowId::Match); });
      add("switch to match", [](Screen& s) { s.finishInput(); });
      add("save", [](Screen& s) { s.match().markSaved(saveMatch(s.match())); });
      add("sync at event", [n](Screen& s) {
        VideoLink v = s.match().video();
        setSyncPoint(v, momentOf(s.match().events().back(), s.match().clockRuns()), 100.0 + n);
        s.match().videoAt(90.0 + n, n % 2 == 0);
        s.match().setVideo(v);
      });
    }
  }

  StepPlan& plan_;
  bool detours_;
  static constexpr int kHalfSeconds = 30 * 60;
  int clock_ = 0;
  int ticks_ = 0;
  int events_ = 0;
  std::string event_;
};

}  // namespace

StepPlan planOf(const std::filesystem::path& script, bool detours) {
  StepPlan plan;
  Planner planner(plan, detours);
  runMatchScript(planner, script);
  return plan;
}
