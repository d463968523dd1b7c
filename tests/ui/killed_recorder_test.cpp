// A recorder killed with SIGKILL while it clicks a match through its
// windows: whenever the kill comes, the match brought back at the next start
// holds every event completed before it, in order and unchanged, and a
// match killed once complete saves the expected files byte for byte.
#include <QProcess>
#include <csignal>
#include <sstream>

#include "event_steps.h"
#include "expected_files.h"
#include "match_script.h"
#include "scratch_folder.h"
#include "start_up.h"

namespace fs = std::filesystem;

namespace {

// The recorder running `script`, killed once it has told `events` events
// (0: once it is done).
void recordAndKill(const std::string& script, const fs::path& data, int events) {
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QStringLiteral(KEPT_RECORDER),
              {QString::fromStdString(testDataPath(script + ".match").string()),
               QString::fromStdString(data.string())});
  ASSERT_TRUE(child.waitForStarted(10000));
  const std::string wanted = events ? "events " + std::to_string(events) : "done";
  std::string line;
  while (line != wanted) {
    if (!child.canReadLine()) ASSERT_TRUE(child.waitForReadyRead(30000)) << "no " << wanted;
    if (child.canReadLine()) line = child.readLine().trimmed().toStdString();
  }
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished(10000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
}

class KilledRecorder : public EventTest {
 protected:
  // The next start: the match offered and brought back (はい, the default).
  void restartAfterKill() {
    std::ostringstream errors;
    const auto restore = askToRestore(data, errors);
    ASSERT_TRUE(restore.has_value()) << errors.str();
    ASSERT_TRUE(beginKeeping(*windows, data, restore, std::nullopt));
  }

  ScratchFolder folder;
  fs::path data = folder.path() / "data";
};

TEST_F(KilledRecorder, AMatchKilledWhileRecordedComesBackWithEveryEventCompletedBeforeTheKill) {
  ScriptedMatch straight;
  playMatchScript(straight.screen, testDataPath("full_match.match"));
  const std::vector<Event>& all = straight.match.events();
  for (const int told : {1, 4, 11}) {
    SCOPED_TRACE("killed after event " + std::to_string(told));
    fs::remove_all(data);
    recordAndKill("full_match", data, told);
    windows = std::make_unique<WindowSet>();
    windows->start();
    restartAfterKill();
    const std::vector<Event>& back = match().events();
    ASSERT_GE(back.size(), static_cast<size_t>(told));
    ASSERT_LE(back.size(), all.size());
    for (size_t i = 0; i < back.size(); ++i) EXPECT_EQ(back[i], all[i]) << "event " << i;
  }
}

TEST_F(KilledRecorder, AMatchKilledOnceCompleteSavesTheExpectedFiles) {
  recordAndKill("full_match", data, 0);
  restartAfterKill();
  EXPECT_EQ(questions.size(), 1u);
  click(teamSheet()->ui.saveButton);
  EXPECT_TRUE(errorBoxes.empty());
  expectFilesOf("full_match", "ファイル名");
}

}  // namespace
