// "記録の修正": one recorded event of a team as the operator mends it, or an
// empty form for an event forgotten at the time. Each list offers only what
// entering an event would have offered after the choice above it; the half
// is a choice only at a time that ends one and starts the next. The window
// only reads its fields; the match window applies them. Below them the
// facts said of the event: how a miss ended (by where it was clicked until
// one is chosen), the kind of attack, the assist of a goal, the
// goalkeeper a shot was taken against and the written report of a 失格,
// each offered only where it fits the chosen action.
#pragma once

#include <QDialog>

#include "edit_choices.h"
#include "ui_event_edit_dialog.h"

class EventEditDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EventEditDialog(QWidget* parent);

  // The fields of event `e` of `team`, the roster as it stands now.
  void presentEvent(const Match& m, TeamId team, const Event& e);
  // Empty fields for an event of `team` to insert; 削除 is not offered.
  void presentEmpty(const Match& m, TeamId team);

  // The event the fields describe; a choice not made reads as none, which
  // the editor refuses. Throws EditError for a time that is not "mm:ss".
  EventDraft draft() const;

  Ui::EventEditDialog ui;

 signals:
  void changeRequested();  // 変更
  void deleteRequested();  // 削除

 private:
  void present(const Match& m, TeamId team, const EventDraft& shown, bool empty);
  void personChosen();
  void actionChosen();
  void timeTyped();
  // The facts' lists for the chosen person and action, keeping what fits.
  void factsFit();

  const Match* match_ = nullptr;
  TeamId team_ = TeamId::One;
  bool outcomeSaid_ = false;  // chosen in the window, or said before

  Periods periods_;
  int ownPeriod_ = 1;  // the event's half, or the clock's for an insert
};
