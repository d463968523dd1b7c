// The power goes in the middle of the match: the windows vanish without
// their close box, as a crash leaves them, and the match file stays
// unfinished. At the next start the match is offered back, はい brings it
// back, and the operator must see exactly what was there before: the
// logs, the panels, the roster, which windows show and what they offer,
// the event being entered at its stage, and a running clock still running.
#include <filesystem>
#include <sstream>

#include "random_operator.h"
#include "start_up.h"

namespace {

namespace fs = std::filesystem;

// What differs between the match before the cut and the one brought back.
std::string stateDifference(const MatchState& a, const MatchState& b) {
  if (a.goalkeeperChanges != b.goalkeeperChanges) return "the changes of goalkeeper";
  if (a.teams != b.teams) return "the teams";
  if (a.fileStem != b.fileStem || a.exportPrefix != b.exportPrefix) return "the file boxes";
  if (!(a.settings == b.settings)) return "the settings";
  if (!(a.clock == b.clock)) return "the clock";
  if (a.events != b.events) return "the events";
  if (!(a.entry == b.entry)) return "the event being entered";
  if (a.unsaved != b.unsaved) return "whether anything is unsaved";
  if (a.savedFiles != b.savedFiles) return "the files saved";
  if (!(a.history == b.history)) return "the history of edits";
  return a == b ? "" : "something else";
}

std::string teamCaption(const std::string& name, int team) {
  return name.empty() ? "チーム" + std::to_string(team) : name;
}

}  // namespace

bool RandomOperator::matchFileKept() const {
  std::error_code missing;  // the folder deleted: nothing kept
  for (const fs::directory_entry& entry : fs::directory_iterator(dataFolder_, missing))
    if (entry.is_regular_file() && entry.path().extension() == ".hbmatch") return true;
  return false;
}

std::string RandomOperator::powerCut() {
  // Before the first step worth keeping there is nothing to bring back.
  if (!matchFileKept()) return "";
  note("power cut");
  ++powerCuts_;
  // Every other time the data folder was deleted just before the last step:
  // that step keeps the whole match in a new file, and tells nothing.
  if (powerCuts_ % 2 == 0) {
    fs::remove_all(dataFolder_);
    if (const auto box = windows_->safekeeping()->keep())
      return "the data folder was deleted and the match not kept: " + *box;
  }
  const MatchState matchBefore = windows_->match().state();
  const ScreenState screenBefore = windows_->screen().state();
  const std::vector<std::string> seenBefore = whatIsSeen(*windows_);
  const size_t events = rules_.completedRows(1).size() + rules_.completedRows(2).size();
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();

  windows_.reset();
  // The next start: the question comes before the windows are built.
  fixture_.boxes.answerNext(QMessageBox::Yes);
  std::ostringstream unreadable;
  const std::optional<RestorableMatch> restore = askToRestore(dataFolder_, unreadable);
  fixture_.boxes.dropQueued();
  windows_ = std::make_unique<WindowSet>();
  windows_->match().timeOfDay = fixture_.timeOfDay;
  windows_->setQuitAction([] {});
  windows_->start();
  holdClockTimer(*windows_);
  windows_->teamSheet()->setFileFaults(&faults_);
  buttons_ = operatorButtons(*windows_);
  rules_.rebind(*windows_);
  lastButton_ = nullptr;
  lastClickStep_ = -10;
  if (!unreadable.str().empty()) return "the match file cannot be read: " + unreadable.str();
  if (!restore) return "the unfinished match was not offered back";
  if (fixture_.questions.size() != questions + 1) return "no question before restoring";
  const std::string question = fixture_.questions.back();
  const std::string teams = teamCaption(matchBefore.teams[0].name, 1) + " 対 " +
                            teamCaption(matchBefore.teams[1].name, 2);
  if (question.rfind("前回の試合が終了していません。復元しますか?", 0) != 0 ||
      question.find("\n" + teams + "\n") == std::string::npos ||
      question.find("記録 " + std::to_string(events) + " 件") == std::string::npos)
    return "the question '" + question + "' does not name " + teams + " and " +
           std::to_string(events) + " events";
  if (!beginKeeping(*windows_, dataFolder_, restore, std::nullopt))
    return "the match file is in use after the power cut";

  const std::string differs = stateDifference(matchBefore, windows_->match().state());
  if (!differs.empty()) return "the match brought back differs in " + differs;
  if (!(screenBefore == windows_->screen().state()))
    return "the windows brought back differ in which show, in front or carried";
  const std::vector<std::string> seenAfter = whatIsSeen(*windows_);
  if (seenAfter.size() != seenBefore.size()) return "the windows brought back show more or less";
  for (size_t i = 0; i < seenBefore.size(); ++i)
    if (seenAfter[i] != seenBefore[i])
      return "brought back: " + seenAfter[i] + ", before the cut: " + seenBefore[i];
  return newMessage(errors, questions + 1);
}
