// Whole matches recorded by keys alone, in whichever window is in front,
// and saved with the save key: the files must be the same bytes as those
// the same scripts give when clicked.
#include <QLineEdit>

#include "expected_files.h"
#include "gui_test.h"
#include "match_script.h"
#include "scratch_folder.h"

namespace {

// Key n (counted round) of a step in the default keymap.
std::string keyOf(int step, int n = 0) {
  static const Keymap defaults;
  const auto& keys = defaults.keys(step);
  return keys.at(n % keys.size());
}
std::string keyOf(const char* name) {
  return keyOf(*keyStepIndex(name));
}

// Japanese text comes through an input method, which a test cannot drive:
// only printable ASCII is typed key by key.
bool typeable(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
  return true;
}

// Plays a script's steps by keys: texts typed into the team sheet's boxes
// (set directly when they are not plain ASCII), the roster set into its
// cells as the clicking test does, and every event and the save by keys.
class KeyOperator : public ScriptOperator {
 public:
  KeyOperator(WindowSet& windows, double& clockSeconds, std::function<void(std::string)> keys)
      : windows_(windows), clockSeconds_(clockSeconds), keys_(std::move(keys)) {}

  void setStem(const std::string& text) override { type(sheet().ui.fileNameEdit, text); }
  void setPrefix(const std::string& text) override { type(sheet().ui.exportPrefixEdit, text); }
  void setTeamName(TeamId team, const std::string& text) override {
    type(team == TeamId::Two ? sheet().ui.teamTwoNameEdit : sheet().ui.teamOneNameEdit, text);
  }
  void setRosterLine(TeamId team, int slot, const std::string& number,
                     const std::string& name) override {
    auto* roster = sheet().ui.rosterGrid->model();
    const int col = team == TeamId::Two ? 7 : 0;
    roster->setData(roster->index(slot, col), QString::fromStdString(number), Qt::EditRole);
    roster->setData(roster->index(slot, col + 1), QString::fromStdString(name), Qt::EditRole);
  }
  void startMatch() override {
    keys_(keyOf("switch") + " " + keyOf("start"));  // 入力終了, 試合開始
    ASSERT_TRUE(windows_.match().clock().started());
    start_ = clockSeconds_;
  }
  void setClock(int seconds) override {
    runClockTo(
        windows_.match().clock(), seconds,
        [this](int at) {
          clockSeconds_ = start_ + at;
          windows_.matchWindow()->tick();
        },
        [this] { keys_(keyOf("pause")); });
  }
  void recordEvent(TeamId team, int slot, int action, const std::string&, int whereCode,
                   const std::string&, int whatCode) override {
    const auto a = static_cast<Action>(action);
    ++events_;
    const std::string actionKey =
        keyOf(keyStepOf(KeyGroup::MatchWindow, KeyStepKind::Action, action));
    // Every third person is confirmed before the action.
    keys_(personKeys(team, slot) + (events_ % 3 == 0 ? " " + keyOf("confirm") : "") + " " +
          actionKey);
    ASSERT_TRUE(windows_.courtDialog()->isVisible());
    keys_(keyOf(keyStepOf(KeyGroup::CourtPlace, KeyStepKind::Place, whereCode)));
    if (isShot(a)) {
      keys_(keyOf(keyStepOf(KeyGroup::CourtZone, KeyStepKind::Zone, whatCode)));
    } else {
      const WindowId dialog = dialogFor(a);
      ASSERT_TRUE(windows_.window(dialog)->isVisible());
      keys_(keyOf(keyStepOf(groupOfDialog(dialog), KeyStepKind::Detail, whatCode), events_));
      EXPECT_FALSE(windows_.window(dialog)->isVisible());
    }
    EXPECT_FALSE(windows_.courtDialog()->isVisible());
    EXPECT_EQ(windows_.match().entry().stage, Stage::None);
  }

 private:
  TeamSheetWindow& sheet() { return *windows_.teamSheet(); }

  void type(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (!typeable(value)) {
      edit->setText(value);
      return;
    }
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, value);
    EXPECT_EQ(edit->text(), value);
  }

  // The person by shirt number when the roster line has one that is digits
  // only and no other line of its team has; the team's key left out when
  // no line of the other team has it either, every other time. Else by the
  // roster line.
  std::string personKeys(TeamId team, int slot) {
    const std::string teamKey = keyOf(team == TeamId::One ? "team1" : "team2");
    if (slot == kOfficialSlot) return teamKey + " " + keyOf("official");
    auto caption = [&](TeamId t, int s) {
      return windows_.matchWindow()
          ->personButtons[teamIndex(t) * kRosterLines + s]
          ->text()
          .toStdString();
    };
    const std::string number = caption(team, slot);
    int inTeam = 0, inBoth = 0;
    for (TeamId t : kBothTeams)
      for (int s = 1; s <= kLastPlayerSlot; ++s)
        if (caption(t, s) == number) (t == team ? inTeam : inBoth) += 1;
    const bool digits =
        !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
    auto typed = [&](const std::string& text) {
      std::string keys;
      for (char c : text) keys += " " + keyOf(*keyStepIndex(std::string("number") + c), events_);
      return keys;
    };
    if (digits && inTeam == 1)
      return (inBoth == 0 && events_ % 2 == 0 ? "" : teamKey) + typed(number);
    return teamKey + " " + keyOf("line") + typed(std::to_string(slot));
  }

  WindowSet& windows_;
  double& clockSeconds_;
  std::function<void(std::string)> keys_;
  double start_ = 0;
  int events_ = 0;
};

}  // namespace

class SavingByKeys : public GuiTest, public ::testing::WithParamInterface<const char*> {
 protected:
  ScratchFolder folder;
};

TEST_P(SavingByKeys, GivesTheFilesTheClicksGive) {
  const std::string script = GetParam();
  QTRY_VERIFY(splash()->isVisible());
  keys("Esc");  // closes the splash
  KeyOperator op(*windows, clockSeconds, [this](const std::string& k) { keys(k); });
  runMatchScript(op, testDataPath(script + ".match"));
  keys(keyOf("save"));
  EXPECT_TRUE(errorBoxes.empty());
  EXPECT_TRUE(questions.empty());
  expectFilesOf(script, match().fileStem);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SavingByKeys,
                         ::testing::Values("full_match", "shot_example", "long_match", "odd_names",
                                           "blank_stem", "empty"));
