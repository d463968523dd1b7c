// The edits of recorded events that can be undone and redone: each names
// the position in the match's events it applies at and the event before and
// after, so that its inverse is an edit of the same form and undoing is
// doing the inverse.
#pragma once

#include <vector>

#include "event.h"

// Numbers kept in match files (the edits): never renumber.
enum class EditKind : int { Replace = 1, Remove = 2, Insert = 3 };

struct EventEdit {
  EditKind kind = EditKind::Replace;
  int at = 0;    // position in Match::events()
  Event before;  // Replace and Remove: the event that was there
  Event after;   // Replace and Insert: the event put there
  bool operator==(const EventEdit&) const = default;
};

// The edit that takes this one back: a replace the other way round, a
// removal for an insert and an insert for a removal.
inline EventEdit inverse(const EventEdit& e) {
  const EditKind kind = e.kind == EditKind::Replace  ? EditKind::Replace
                        : e.kind == EditKind::Insert ? EditKind::Remove
                                                     : EditKind::Insert;
  return {kind, e.at, e.after, e.before};
}

struct EditHistory {
  std::vector<EventEdit> done;    // oldest first; undo takes the last
  std::vector<EventEdit> undone;  // redo takes the last; a new edit clears it
  bool operator==(const EditHistory&) const = default;
};
