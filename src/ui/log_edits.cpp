#include "log_edits.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

#include "event_edit_dialog.h"
#include "event_editor.h"
#include "fonts.h"
#include "recorder_window.h"

LogEdits::LogEdits(RecorderWindow& window, std::array<QTableView*, 2> logs)
    : QObject(&window), window_(window), logs_(logs) {
  dialog = new EventEditDialog(&window);
  connect(dialog, &EventEditDialog::changeRequested, this, &LogEdits::applyShown);
  connect(dialog, &EventEditDialog::deleteRequested, this, &LogEdits::removeShown);

  menu = new QMenu(&window);
  menu->setObjectName(QStringLiteral("logMenu"));
  menu->setFont(designFont(kPGothic, 14));
  auto entry = [this](const char* name, const QString& text, auto slot) {
    auto* a = new QAction(text, &window_);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  editAction = entry("editEventAction", QStringLiteral("修正…"), [this] { edit(team_, row_); });
  deleteAction =
      entry("deleteEventAction", QStringLiteral("削除"), [this] { remove(team_, row_); });
  insertAction = entry("insertEventAction", QStringLiteral("この前に挿入…"),
                       [this] { insertBefore(team_, row_); });
  undoAction = entry("undoEditAction", QStringLiteral("元に戻す"), [this] { undo(); });
  redoAction = entry("redoEditAction", QStringLiteral("やり直し"), [this] { redo(); });
  undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAction->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  for (QAction* a : {undoAction, redoAction}) {
    a->setShortcutContext(Qt::WindowShortcut);
    window.addAction(a);
  }
  menu->addActions({editAction, deleteAction, insertAction});
  menu->addSeparator();
  menu->addActions({undoAction, redoAction});
  watchAction = entry("watchEventAction", QStringLiteral("映像で見る"), [this] {
    if (video_.watch) video_.watch(team_, row_);
  });
  tieAction = entry("tieEventAction", QStringLiteral("この記録を映像の今の位置に合わせる"), [this] {
    if (video_.tie) video_.tie(team_, row_);
  });
  menu->addSeparator();
  menu->addActions({watchAction, tieAction});

  for (TeamId team : kBothTeams) {
    QTableView* view = logs_[teamIndex(team)];
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, team](const QPoint& pos) { showMenu(team, pos); });
    connect(view, &QAbstractItemView::doubleClicked, this, [this, team](const QModelIndex& index) {
      if (EventEditor(window_.match()).canEdit() && recorded(team, index.row()))
        edit(team, index.row());
    });
  }
}

void LogEdits::refresh() {
  const EventEditor editor(window_.match());
  undoAction->setEnabled(editor.canUndo());
  redoAction->setEnabled(editor.canRedo());
}

bool LogEdits::recorded(TeamId team, int row) const {
  return row >= 0 && row < window_.match().teamEventCount(team);
}

void LogEdits::showMenu(TeamId team, const QPoint& pos) {
  QTableView* view = logs_[teamIndex(team)];
  const int count = window_.match().teamEventCount(team);
  const int row = view->indexAt(pos).row();
  team_ = team;
  // Below the recorded rows, an insert goes after the last of them.
  row_ = row < 0 || row > count ? count : row;
  const bool editable = EventEditor(window_.match()).canEdit();
  editAction->setEnabled(editable && recorded(team, row_));
  deleteAction->setEnabled(editable && recorded(team, row_));
  insertAction->setEnabled(editable);
  const bool watchable = video_.open && video_.open() && recorded(team, row_);
  watchAction->setEnabled(watchable);
  tieAction->setEnabled(watchable);
  refresh();
  menu->popup(view->viewport()->mapToGlobal(pos));
}

void LogEdits::edit(TeamId team, int row) {
  if (!recorded(team, row)) return;
  team_ = team;
  row_ = row;
  inserting_ = false;
  dialog->presentEvent(window_.match(), team, window_.match().teamEvent(team, row));
  dialog->show();
}

void LogEdits::insertBefore(TeamId team, int row) {
  team_ = team;
  row_ = row;
  inserting_ = true;
  dialog->presentEmpty(window_.match(), team);
  dialog->show();
}

void LogEdits::remove(TeamId team, int row) {
  window_.handle([&] { EventEditor(window_.match()).remove(team, row); });
}

void LogEdits::undo() {
  window_.handle([&] { EventEditor(window_.match()).undo(); });
}

void LogEdits::redo() {
  window_.handle([&] { EventEditor(window_.match()).redo(); });
}

// The window closes once the edit went in; a refused one leaves it open
// as it was, for the operator to put right.
void LogEdits::applyShown() {
  window_.handle(
      [&] {
        EventEditor editor(window_.match());
        const EventDraft d = dialog->draft();
        if (inserting_)
          editor.insertBefore(team_, row_, d);
        else
          editor.replace(team_, row_, d);
        dialog->accept();
      },
      dialog);
}

void LogEdits::removeShown() {
  window_.handle(
      [&] {
        EventEditor(window_.match()).remove(team_, row_);
        dialog->accept();
      },
      dialog);
}
