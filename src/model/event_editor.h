// Mending recorded events afterwards: change, remove or insert an event of a
// team's log, and undo and redo those edits back to the start of the match.
// Everything that counts events follows by itself, since it is derived from
// them; the team sheet's count cells, which are typed text, are moved by the
// difference the edit makes to each person's count, so a number typed by
// hand keeps its offset. Nothing is edited while an event is being entered.
//
// The history lives in the match (Match::history()), so it is kept and
// brought back with it; the editor is only the rules and can be made
// wherever an edit is asked for.
#pragma once

#include "event_draft.h"
#include "match.h"
#include "user_error.h"

// An edit refused; the error box shows the reason and nothing changed.
class EditError : public UserError {
 public:
  using UserError::UserError;
};

class EventEditor {
 public:
  explicit EventEditor(Match& m) : m_(m) {}

  // Edits, undo and redo wait until no event is being entered.
  bool canEdit() const { return !m_.entry().open(); }
  bool canUndo() const { return canEdit() && !m_.history().done.empty(); }
  bool canRedo() const { return canEdit() && !m_.history().undone.empty(); }

  // Row `row` (from 0) of team `team`'s log. The team stays; a new person's
  // number and name are read from the roster as it stands, an unchanged
  // person keeps those the event was recorded with, and the event its half
  // unless its time lies plainly in another. Throw EditError for an
  // edit not allowed or a draft entering could not have given, and
  // ConversionError for a count cell to move that holds no whole number;
  // either way nothing changes.
  void replace(TeamId team, int row, const EventDraft& d);
  void remove(TeamId team, int row);
  // Before row `row` of the log, and just before that event among all the
  // match's events; a row past the last event adds it after all of them.
  void insertBefore(TeamId team, int row, const EventDraft& d);

  void undo();
  void redo();

 private:
  void checkEditable() const;
  const Event& eventAt(TeamId team, int row) const;
  Event eventFrom(TeamId team, const EventDraft& d, const Event* recorded) const;
  // Whether a change is a new edit or the undo or redo of one.
  enum class Step { New, Undo, Redo };
  void commit(const EventEdit& change, Step step);

  Match& m_;
};
