// The operator says more of the event recorded last, on the facts panel
// beside the match window or by keys: how a miss ended, the kind of
// attack, the assist of a goal, the written report of a 失格 (by its check
// box); and puts goalkeepers in goal by the
// panel's lists or the goalkeeper keys. Each time the fact must land on
// the event recorded last and on no other, only where it fits, and the
// panel must show it chosen; a fact not offered changes nothing.
#include <QComboBox>
#include <QTest>
#include <algorithm>

#include "key_input.h"
#include "random_operator.h"

namespace {

// Kept here rather than taken from the program, so that a wrong word shows.
const std::vector<std::string> kOutcomeTexts = {"セーブ", "ポスト", "ブロック", "枠外"};
const std::vector<std::string> kAttackTexts = {"セット", "速攻", "突破", "空ゴール"};
const std::string kWrittenReportText = "報告書（青）";

const Keymap& defaults() {
  static const Keymap keys;
  return keys;
}

std::string factsKey(KeyStepKind kind, int code = 0) {
  return defaults().keys(keyStepOf(KeyGroup::Facts, kind, code)).at(0);
}

const KeyStep& stepOf(const std::string& key) {
  return keySteps()[defaults().stepsOn(key).at(0)];
}

std::string describeFacts(const EventFacts& f) {
  return say(int(f.outcome), "|", int(f.attack), "|", f.assist, "|", f.goalkeeper, "|",
             f.writtenReport);
}

}  // namespace

std::string RandomOperator::sayFacts(const std::string& pressed) {
  MatchWindow* matchWindow = windows_->matchWindow();
  EventFactsPanel* panel = windows_->factsPanel();
  if (!matchWindow->isVisible()) return "";
  QWidget* inFront = front();
  if (inFront == windows_->splash()) return "";
  if (takesText(inFront->focusWidget())) windows_->teamSheet()->ui.finishInputButton->setFocus();
  const Match& m = windows_->match();
  const std::vector<Event> before = m.events();
  const bool personsDue = matchWindow->personButtons[0]->isEnabled();
  const bool targeted = rules_.openColumn() == 0 && !before.empty() && personsDue;
  if (targeted == panel->ui.targetPanel->text().isEmpty())
    return "the facts panel names an event only while one is being entered";
  const Event* last = targeted ? &before.back() : nullptr;
  const Action action = last ? last->action : Action::Goal;
  EventFacts expected = last ? last->facts : EventFacts{};
  std::array<int, 2> inGoal = inGoal_;
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();

  // The fact and whether it is offered now, by key or click.
  std::string keys = pressed;
  QAbstractButton* button = nullptr;
  QAbstractButton* shownOn = nullptr;  // the button that must show the choice
  // 0 outcome, 1 attack, 2 assist, 3 goalkeeper by list or key, 4 by key,
  // 5 the written report.
  const int what =
      pressed.empty() ? random_.below(6) : int(stepOf(pressed).kind) - int(KeyStepKind::Outcome);
  const bool byKey = !pressed.empty() || random_.percent(50);
  bool click = !byKey;
  if (what <= 1) {
    // How a miss ended or the kind of attack: one button, one key each.
    const bool outcome = what == 0;
    const int code = !pressed.empty() ? stepOf(pressed).code
                     : outcome        ? 1 + random_.below(kMissOutcomes)
                                      : random_.below(kAttackKinds);
    const bool offered = last && (outcome ? action == Action::ShotMiss
                                          : action == Action::Goal || action == Action::ShotMiss ||
                                                action == Action::KeepMiss);
    button = outcome ? panel->outcomeButtons[code - 1] : panel->attackButtons[code];
    if (button->isEnabled() != offered ||
        button->text().toStdString() != (outcome ? kOutcomeTexts[code - 1] : kAttackTexts[code]))
      return "the facts panel offers '" + button->text().toStdString() + "' wrongly";
    if (offered) shownOn = button;
    if (offered && outcome) expected.outcome = static_cast<MissOutcome>(code);
    if (offered && !outcome) expected.attack = static_cast<AttackKind>(code);
    keys = factsKey(outcome ? KeyStepKind::Outcome : KeyStepKind::Attack, code);
  } else if (what == 2) {
    const bool offered = last && action == Action::Goal && personsDue;
    // The teammates with a shirt number, by their buttons.
    std::vector<int> mates;
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
      const bool mate =
          offered && slot != last->slot && !m.team(last->team).lines[slot].number.empty();
      if (panel->assistButtons[slot]->isEnabled() != mate)
        return say("the assist button of line ", slot, " is wrongly usable or not");
      if (mate) mates.push_back(slot);
    }
    if (!offered) {
      if (keys.empty()) keys = factsKey(KeyStepKind::Assist);  // refused: nothing typed
    } else if (mates.empty() || (byKey && random_.percent(15))) {
      // The assist key and the confirming key alone clear it.
      expected.assist = 0;
      keys = factsKey(KeyStepKind::Assist) + " Return";
    } else {
      const int slot = random_.pick(mates);
      button = panel->assistButtons[slot];
      const std::string number = button->text().toStdString();
      // By key the first teammate with that number is meant.
      const int meant = *std::find_if(mates.begin(), mates.end(), [&](int s) {
        return panel->assistButtons[s]->text() == button->text();
      });
      if (byKey && number.size() <= 4 && number.find_first_not_of("0123456789") == number.npos) {
        keys = factsKey(KeyStepKind::Assist);
        for (char c : number) keys += std::string(" ") + c;  // the number row's digits
        keys += " Return";
        expected.assist = meant;
      } else {
        click = true;
        expected.assist = expected.assist == slot ? 0 : slot;
      }
      if (expected.assist != 0) shownOn = panel->assistButtons[expected.assist];
    }
  } else if (what == 5) {
    // A 失格 alone takes the written report; a click says it or takes it back.
    const bool offered = last && action == Action::Foul && last->detail == 3;
    button = panel->ui.writtenReportBox;
    if (button->isEnabled() != offered || button->text().toStdString() != kWrittenReportText)
      return "the facts panel offers the written report wrongly";
    click = true;
    if (offered) expected.writtenReport = !expected.writtenReport;
    if (expected.writtenReport) shownOn = button;
  } else if (what == 3 && !byKey) {
    // A player of a team put in goal from the panel's list.
    const int team = random_.below(2);
    QComboBox* box = panel->goalkeeperBoxes[team];
    if (!box->isEnabled()) return "the goalkeeper lists are not usable";
    const int index = random_.below(box->count());
    const int slot = box->itemData(index).toInt();
    note(say("choose line ", slot, " as team ", team + 1, "'s goalkeeper"));
    box->setCurrentIndex(index);
    emit box->activated(index);  // as a choice in the open list does
    inGoal_[team] = slot;
    keepers_[team].insert(slot);
  } else {
    // The goalkeeper key of a team: its next marked goalkeeper goes in goal.
    const int team = !pressed.empty() ? stepOf(pressed).code - 1 : random_.below(2);
    keys = factsKey(KeyStepKind::Goalkeeper, team + 1);
    if (personsDue) {
      int next = 0;
      for (int step = 1; step <= kLastPlayerSlot && next == 0; ++step) {
        const int slot = (inGoal[team] + step - 1) % kLastPlayerSlot + 1;
        if (slot != inGoal[team] && keepers_[team].contains(slot)) next = slot;
      }
      if (next != 0) inGoal_[team] = next;
    }
  }
  if (what != 3 || byKey) {
    if (click && button) {
      if (!button->isEnabled()) return "";  // nothing to click
      note("click " + panel->objectName().toStdString() + "." + button->objectName().toStdString() +
           " '" + button->text().toStdString() + "'");
      // On the left, where a check box has its box.
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    } else {
      note("keys '" + keys + "' for the facts in " + inFront->objectName().toStdString());
      sendKeys(keys, inFront);
    }
    ++factsSaid_;
  }

  // Only the event recorded last took the fact; the others are as they were.
  const std::vector<Event>& after = m.events();
  if (after.size() != before.size()) return "saying a fact changed the number of events";
  for (size_t i = 0; i + 1 < after.size(); ++i)
    if (!(after[i] == before[i])) return say("a fact landed on event ", i + 1, ", not the last");
  if (last) {
    Event wanted = *last;
    wanted.facts = expected;
    if (!(after.back() == wanted))
      return "the event recorded last has " + describeFacts(after.back().facts) + ", expected " +
             describeFacts(expected);
  }
  if (shownOn && !shownOn->isChecked()) return "the facts panel does not show the choice as on";
  for (TeamId team : kBothTeams) {
    const int t = teamIndex(team);
    const QComboBox* box = panel->goalkeeperBoxes[t];
    if (m.goalkeeperInGoal(team) != inGoal_[t] ||
        (box->currentIndex() >= 0 && box->currentData().toInt() != inGoal_[t]))
      return say("team ", t + 1, " has line ", m.goalkeeperInGoal(team), " in goal, expected ",
                 inGoal_[t]);
  }
  if (!rules_.unchangedInStep()) return "saying a fact changed the logs";
  if (!matchWindow->typedPersonPanel->isHidden()) return "a fact's keys left something typed";
  // A fact or a goalkeeper that changed is in the workbook and the report:
  // closing before the next save must ask.
  if (inGoal_ != inGoal || (last && !(after.back().facts == last->facts))) rules_.edited();
  return newMessage(errors, questions);
}

std::string RandomOperator::checkFactsPanel(size_t eventsBefore, bool recording) {
  MatchWindow* matchWindow = windows_->matchWindow();
  EventFactsPanel* panel = windows_->factsPanel();
  if (panel->isVisible() != matchWindow->isVisible())
    return "the facts panel does not show and hide with the match window";
  if (panel->isVisible() && panel->frameGeometry().intersects(matchWindow->frameGeometry()))
    return "the facts panel covers the match window";
  // An event just completed: said of nothing yet, shot against the player
  // in goal, a miss shown by where it was clicked.
  const Match& m = windows_->match();
  if (!recording || m.events().size() != eventsBefore + 1) return "";
  const Event& e = m.events().back();
  const bool shot = e.action == Action::Goal || e.action == Action::ShotMiss;
  EventFacts fresh;
  fresh.goalkeeper = shot ? inGoal_[teamIndex(otherTeam(e.team))] : 0;
  if (!(e.facts == fresh))
    return "a completed event has " + describeFacts(e.facts) + ", expected " + describeFacts(fresh);
  // The panel names it and shows how the miss ended, by where it was clicked.
  if (e.action == Action::ShotMiss && panel->isVisible()) {
    const bool inGoal = e.detail >= 2 && e.detail <= 10;
    const QPushButton* on = panel->outcomeButtons[inGoal ? 0 : 3];
    if (!on->isChecked()) return say("a miss in zone ", e.detail, " is not shown as its default");
  }
  return "";
}
