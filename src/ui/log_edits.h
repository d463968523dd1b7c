// Mending the events of the match window's two logs: a double-click on a
// recorded row opens the edit window "記録の修正" on it; a right-click offers
// 修正…, 削除, この前に挿入… and undo and redo, which Ctrl+Z, Ctrl+Y and
// Ctrl+Shift+Z also reach. Nothing is offered while an event is being
// entered. With a video open, it also offers 映像で見る and tying the row's
// event to the video's position now, at any time. Each edit runs as a step of the match window, so
// every window is redrawn and whatever follows a step follows it.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "team_id.h"

class EventEditDialog;
class QAction;
class QMenu;
class QPoint;
class QTableView;
class RecorderWindow;

class LogEdits : public QObject {
  Q_OBJECT

 public:
  // `logs` by team - 1, on `window`.
  LogEdits(RecorderWindow& window, std::array<QTableView*, 2> logs);

  // Undo and redo usable as the match stands.
  void refresh();

  // Row `row` (from 0) of team `team`'s log.
  void edit(TeamId team, int row);          // 修正…, a double-click
  void insertBefore(TeamId team, int row);  // この前に挿入…
  void remove(TeamId team, int row);        // 削除
  void undo();
  void redo();
  // The menu of the log at `pos` in its viewport.
  void showMenu(TeamId team, const QPoint& pos);

  EventEditDialog* dialog = nullptr;
  QMenu* menu = nullptr;
  QAction* editAction = nullptr;
  QAction* deleteAction = nullptr;
  QAction* insertAction = nullptr;
  QAction* undoAction = nullptr;
  QAction* redoAction = nullptr;
  QAction* watchAction = nullptr;  // 映像で見る
  QAction* tieAction = nullptr;    // この記録を映像の今の位置に合わせる

  // What the video items do with a row; none until a video is open.
  struct VideoHooks {
    std::function<bool()> open;
    std::function<void(TeamId, int)> watch;
    std::function<void(TeamId, int)> tie;
  };
  void setVideoHooks(VideoHooks hooks) { video_ = std::move(hooks); }

 private:
  void applyShown();   // 変更 in the edit window
  void removeShown();  // 削除 in the edit window
  bool recorded(TeamId team, int row) const;

  RecorderWindow& window_;
  std::array<QTableView*, 2> logs_;
  // The row the edit window or the menu is about.
  TeamId team_ = TeamId::One;
  int row_ = 0;
  bool inserting_ = false;
  VideoHooks video_;
};
