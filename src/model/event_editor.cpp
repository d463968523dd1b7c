#include "event_editor.h"

#include <algorithm>
#include <vector>

namespace {

// A count cell that moves: team, slot, which count, by how much.
struct CellMove {
  TeamId team;
  int slot;
  Count count;
  int delta;
};

// The count cell an event raises, if any: goals, and the sanction of a foul.
void addMove(std::vector<CellMove>& moves, const Event& e, int delta) {
  Count c;
  if (e.action == Action::Goal)
    c = Count::Goals;
  else if (e.action == Action::Foul && e.detail >= 1 && e.detail <= kCounts - 1)
    c = countOf(static_cast<Sanction>(e.detail));
  else
    return;
  for (CellMove& m : moves)
    if (m.team == e.team && m.slot == e.slot && m.count == c) {
      m.delta += delta;
      return;
    }
  moves.push_back({e.team, e.slot, c, delta});
}

// How many of the cell's kind the person has among the recorded events.
int countedFor(const Match& m, const CellMove& c) {
  std::vector<CellMove> one;
  int n = 0;
  for (const Event& e : m.events()) {
    if (e.team != c.team || e.slot != c.slot) continue;
    one.clear();
    addMove(one, e, 1);
    n += !one.empty() && one[0].count == c.count;
  }
  return n;
}

// The cell after the move. One that comes down to 0 while the person has
// nothing of its kind left is left empty, as it was before anything was
// counted: its offset was 0, and a recording of the events as they now
// stand would not have touched it.
std::string movedCell(const Match& m, const CellMove& c) {
  const std::string& text = m.team(c.team).lines[c.slot].count(c.count);
  std::string moved = movedCount(text, c.delta);
  if (moved == "0" && c.delta < 0 && countedFor(m, c) + c.delta == 0) moved.clear();
  return moved;
}

}  // namespace

void EventEditor::checkEditable() const {
  if (!canEdit())
    throw EditError("入力中の記録があります。完了するか修正してから記録を直してください");
}

const Event& EventEditor::eventAt(TeamId team, int row) const {
  if (row < 0 || row >= m_.teamEventCount(team)) throw EditError("その行に記録はありません");
  return m_.teamEvent(team, row);
}

Event EventEditor::eventFrom(TeamId team, const EventDraft& d, const Event* recorded) const {
  if (const std::string problem = draftProblem(d); !problem.empty()) throw EditError(problem);
  Event e;
  e.team = team;
  e.slot = d.slot;
  e.clockSeconds = d.clockSeconds;
  // A mended event stays in its half unless its time lies plainly in another.
  const Periods& periods = m_.settings().periods;
  const int half = d.period != 0 ? d.period : recorded ? recorded->period : 0;
  e.period = periods.holds(half, d.clockSeconds) ? half : periods.periodAt(d.clockSeconds);
  if (recorded && recorded->slot == d.slot) {
    e.number = recorded->number;
    e.name = recorded->name;
  } else {
    const RosterLine& line = m_.team(team).lines[d.slot];
    e.number = line.number;
    e.name = line.name;
  }
  e.action = d.action;
  e.place = d.place;
  e.detail = d.detail;
  e.facts = fittingFacts(d.action, d.slot, d.detail, d.facts);
  // A shot put in, or made a shot, was taken against the one in goal then;
  // a shot mended keeps the goalkeeper it was said to face, even none.
  if (takesGoalkeeper(e.action) && e.facts.goalkeeper == 0 &&
      !(recorded && takesGoalkeeper(recorded->action)))
    e.facts.goalkeeper = m_.goalkeeperAt(otherTeam(team), e.period, e.clockSeconds);
  // Its moment in the day and in the video moves with a mended time.
  if (recorded) {
    const int moved = e.clockSeconds - recorded->clockSeconds;
    if (recorded->pickedAt >= 0) {
      // Moved before the day began (a pick just after midnight mended
      // earlier), the time of day is no longer known: the clock's runs
      // place the event, as one put in afterwards.
      const double at = recorded->pickedAt + moved / 86400.0;
      e.pickedAt = at >= 0 && at <= kLatestTimeOfDay ? at : -1;
    }
    if (recorded->videoAt >= 0) e.videoAt = std::max(0.0, recorded->videoAt + moved);
  }
  return e;
}

void EventEditor::replace(TeamId team, int row, const EventDraft& d) {
  checkEditable();
  const Event& before = eventAt(team, row);
  const EventEdit edit{EditKind::Replace, m_.eventPosition(team, row), before,
                       eventFrom(team, d, &before)};
  if (edit.after == edit.before) return;  // nothing to undo later
  commit(edit, Step::New);
}

void EventEditor::remove(TeamId team, int row) {
  checkEditable();
  const Event& before = eventAt(team, row);
  commit({EditKind::Remove, m_.eventPosition(team, row), before, {}}, Step::New);
}

void EventEditor::insertBefore(TeamId team, int row, const EventDraft& d) {
  checkEditable();
  if (row < 0 || row > m_.teamEventCount(team)) throw EditError("その行に記録はありません");
  const int at = row < m_.teamEventCount(team) ? m_.eventPosition(team, row)
                                               : static_cast<int>(m_.events().size());
  commit({EditKind::Insert, at, {}, eventFrom(team, d, nullptr)}, Step::New);
}

void EventEditor::undo() {
  checkEditable();
  if (!canUndo()) throw EditError("元に戻す修正はありません");
  commit(inverse(m_.history().done.back()), Step::Undo);
}

void EventEditor::redo() {
  checkEditable();
  if (!canRedo()) throw EditError("やり直す修正はありません");
  commit(m_.history().undone.back(), Step::Redo);
}

// Puts `change.after` where `change.before` was. The count cells are worked
// out first, so one that holds no number stops the change before anything
// changed.
void EventEditor::commit(const EventEdit& change, Step step) {
  const bool removes = change.kind != EditKind::Insert;  // an event leaves position `at`
  const bool adds = change.kind != EditKind::Remove;
  const int size = static_cast<int>(m_.events().size());
  if (change.at < 0 || change.at > size ||
      (removes && (change.at == size || m_.events()[change.at] != change.before)))
    throw EditError("修正の記録が試合の記録と合いません");

  std::vector<CellMove> moves;
  if (removes) addMove(moves, change.before, -1);
  if (adds) addMove(moves, change.after, +1);
  std::vector<std::string> cells;
  for (const CellMove& c : moves) cells.push_back(movedCell(m_, c));
  for (size_t i = 0; i < moves.size(); ++i)
    m_.team(moves[i].team).lines[moves[i].slot].count(moves[i].count) = std::move(cells[i]);

  if (step == Step::Undo)
    m_.undoEdit();
  else if (step == Step::Redo)
    m_.redoEdit();
  else
    m_.doEdit(change);
}
