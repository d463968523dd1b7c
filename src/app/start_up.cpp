#include "start_up.h"

#include <ostream>

#include "file_places.h"
#include "message_box.h"
#include "store_error.h"
#include "window_set.h"

namespace {

QString teamName(const std::string& name, TeamId team) {
  return name.empty() ? QStringLiteral("チーム%1").arg(teamNumber(team))
                      : QString::fromStdString(name);
}

}  // namespace

QString restoreQuestion(const RestorableMatch& match) {
  return QStringLiteral(
             "前回の試合が終了していません。復元しますか?\n\n%1 対 %2\n記録 %3 件、最後の操作 %4")
      .arg(teamName(match.teams[0], TeamId::One), teamName(match.teams[1], TeamId::Two))
      .arg(match.events)
      .arg(QString::fromStdString(localTime(match.lastStep, "%Y-%m-%d %H:%M:%S")));
}

QString inUseNotice(const RestorableMatch& match) {
  return QStringLiteral("%1\n\n%2 対 %3\n最後の操作 %4")
      .arg(QString::fromStdString(StoreError(StoreProblem::InUse, match.path.string()).what()),
           teamName(match.teams[0], TeamId::One), teamName(match.teams[1], TeamId::Two),
           QString::fromStdString(localTime(match.lastStep, "%Y-%m-%d %H:%M:%S")));
}

std::optional<RestorableMatch> askToRestore(const std::filesystem::path& folder,
                                            std::ostream& errors) {
  MatchListing listing = listRestorable(folder);
  reportUnreadable(listing, errors);
  // Told before this copy starts a match of its own beside it.
  for (const RestorableMatch& held : listing.inUse) showErrorBox(nullptr, inUseNotice(held));
  if (listing.restorable.empty()) return std::nullopt;
  const RestorableMatch& latest = listing.restorable.front();
  if (!askYesNo(nullptr, restoreQuestion(latest), QMessageBox::Yes)) return std::nullopt;
  return latest;
}

bool beginKeeping(WindowSet& windows, const std::filesystem::path& folder,
                  const std::optional<RestorableMatch>& restore,
                  const std::optional<std::filesystem::path>& file) {
  windows.keepIn(folder);
  try {
    if (file)
      windows.safekeeping()->open(*file);
    else if (restore)
      windows.safekeeping()->restore(restore->path);
  } catch (const StoreError& e) {
    // The splash waits until the box is answered: it would cover it.
    windows.teamSheet()->splashTimer.stop();
    showErrorBox(windows.teamSheet(), QString::fromStdString(e.what()));
    if (e.problem() == StoreProblem::InUse) return false;
  }
  windows.refresh();
  return true;
}
