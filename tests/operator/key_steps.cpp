// The operator's keys: a key of the keymap (or one that no step has) in the
// window in front must do exactly what a click on the button of its step
// does when that button is usable, and nothing at all otherwise; a person
// typed by shirt number or roster line is picked as a click picks it.
#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <sstream>

#include "key_input.h"
#include "random_operator.h"

namespace {

using R = OperatorButton::Role;

const Keymap& keymap() {
  static const Keymap defaults;
  return defaults;
}

std::string keyOf(const char* step, int n = 0) {
  const auto& keys = keymap().keys(*keyStepIndex(step));
  return keys.at(n % keys.size());
}

// Keys no step has, and which no control of the windows acts on.
const std::vector<std::string> kUnmapped = {"F9", "F12", "Ctrl+Q", "Alt+X", "Shift+F5"};

}  // namespace

QWidget* RandomOperator::front() const {
  QCoreApplication::processEvents();  // activation comes as a queued platform event
  QWidget* active = QApplication::activeWindow();
  return active && windows_->owns(active) && active->isVisible() ? active : windows_->teamSheet();
}

void RandomOperator::sendKeys(const std::string& names, QWidget* window) {
  std::istringstream in(names);
  for (std::string name; in >> name;) {
    const QKeyCombination key = QKeySequence::fromString(QString::fromStdString(name))[0];
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus && focus->isVisible() ? focus : window, key.key(),
                    key.keyboardModifiers());
  }
}

const OperatorButton* RandomOperator::find(R role, int code, int team, WindowId window) const {
  for (const OperatorButton& b : buttons_)
    if (b.role == role && b.code == code && b.team == team &&
        (role != R::DetailChoice && role != R::DetailCorrect ? true : b.window == window))
      return &b;
  return nullptr;
}

// The button whose step `step` is now, by the open event as the logs show
// it; nullptr for the steps of no button (typing a person, the key list,
// saving) and for a group that is not offered now.
const OperatorButton* RandomOperator::buttonOfStep(const KeyStep& step,
                                                   const QWidget* inFront) const {
  const int c = rules_.openColumn();
  const int play = rules_.openPlay();
  const bool shot = play == kGoal || play == kShotMiss;
  switch (step.kind) {
    case KeyStepKind::Start:
      return find(R::Start);
    case KeyStepKind::Pause:
      return find(R::Pause);
    case KeyStepKind::Switch:
      return find(inFront == windows_->teamSheet() ? R::SheetSwitch : R::MatchSwitch);
    case KeyStepKind::Correct:
      if (c == 3) return find(R::PersonCorrect);
      if (c == 4 || (c == 5 && shot)) return find(R::CourtCorrect);
      if (c == 5) return find(R::DetailCorrect, 0, 0, dialogOf(play));
      return nullptr;
    case KeyStepKind::Action:
      return c == 3 ? find(R::Action, step.code) : nullptr;
    case KeyStepKind::Place:
      if (c != 4) return nullptr;
      return step.code == place::kBench ? find(R::Bench, step.code) : find(R::Location, step.code);
    case KeyStepKind::Zone:
      return c == 5 && shot ? find(R::Zone, step.code) : nullptr;
    case KeyStepKind::Detail:
      if (c != 5 || shot || dialogOf(play) != dialogOfGroup(step.group)) return nullptr;
      return find(R::DetailChoice, step.code, 0, dialogOf(play));
    default:
      return nullptr;
  }
}

std::string RandomOperator::afterKey(const OperatorButton* acting, size_t errors,
                                     size_t questions) {
  if (!acting) {
    if (!rules_.unchangedInStep()) return "a key whose step is not offered changed the logs";
    return newMessage(errors, questions);
  }
  rules_.clicked(*acting, true, fixture_.clockSeconds);
  // A step of the open event that is offered moves its row on or back.
  const bool moves = acting->role != R::Start && acting->role != R::Pause &&
                     acting->role != R::SheetSwitch && acting->role != R::MatchSwitch;
  if (moves && rules_.unchangedInStep()) return "a key whose step was offered changed nothing";
  return "";
}

std::string RandomOperator::pressKey() {
  QWidget* inFront = front();
  if (inFront == windows_->splash()) {
    sendKeys("Esc", inFront);
    note("a key on the splash");
    if (windows_->splash()->isVisible()) return "a key left the splash up";
    return rules_.unchangedInStep() ? "" : "a key on the splash changed the logs";
  }
  // A key typed into a box or a cell is typing: the operator first moves
  // on from there, as with the Tab key.
  if (takesText(inFront->focusWidget())) windows_->teamSheet()->ui.finishInputButton->setFocus();

  std::vector<std::string> keys = kUnmapped;
  for (size_t i = 0; i < keySteps().size(); ++i)
    if (keySteps()[i].kind != KeyStepKind::Save)
      for (const std::string& key : keymap().keys(static_cast<int>(i))) keys.push_back(key);
  const std::string key = random_.pick(keys);
  // The facts' keys are checked with the facts' own rules.
  for (int i : keymap().stepsOn(key))
    if (keySteps()[i].group == KeyGroup::Facts) {
      ++keysPressed_;
      return sayFacts(key);
    }

  // The step offered now, if the key has one, and its button.
  const OperatorButton* acting = nullptr;
  bool typing = false, help = false;
  const bool personsDue = windows_->matchWindow()->isVisible() &&
                          windows_->matchWindow()->personButtons[0]->isEnabled();
  for (int i : keymap().stepsOn(key)) {
    const KeyStep& step = keySteps()[i];
    const OperatorButton* b = buttonOfStep(step, inFront);
    if (b && b->button->isEnabled() && b->button->window()->isVisible()) acting = b;
    typing = typing ||
             (personsDue && (step.kind == KeyStepKind::Team || step.kind == KeyStepKind::Official ||
                             step.kind == KeyStepKind::Line || step.kind == KeyStepKind::Digit));
    help = help || step.kind == KeyStepKind::Help;
  }
  note("key " + key + " in " + inFront->objectName().toStdString() +
       (acting ? " as " + acting->describe() : ""));
  const std::string expectedError = acting ? rules_.expectedErrorOf(*acting) : "";
  ++keysPressed_;
  keysActing_ += acting != nullptr;
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  sendKeys(key, inFront);

  // The key list comes to the front, or goes when it is in front.
  if (help && windows_->keyHelp()->isVisible() == (inFront == windows_->keyHelp()))
    return "the key list did not come forward or go";
  if (typing) {
    // Part of a person: shown as typed, taken back by the correction key.
    if (windows_->matchWindow()->typedPersonPanel->isHidden()) return "typing showed nothing";
    if (!rules_.unchangedInStep()) return "typing a person changed the logs";
    sendKeys(keyOf("correct"), inFront);
    if (!windows_->matchWindow()->typedPersonPanel->isHidden())
      return "the correction key left what was typed";
    return afterKey(nullptr, errors, questions);
  }
  if (!expectedError.empty()) {
    rules_.clicked(*acting, true, fixture_.clockSeconds);
    if (fixture_.errorBoxes.size() != errors + 1 || fixture_.errorBoxes.back() != expectedError)
      return "expected the error box '" + expectedError + "'";
    if (!rules_.unchangedInStep()) return "a key that failed changed the logs";
    return newMessage(errors + 1, questions);
  }
  const std::string broken = afterKey(acting, errors, questions);
  return broken.empty() ? newMessage(errors, questions) : broken;
}

std::string RandomOperator::typePerson() {
  QWidget* inFront = front();
  const bool personsDue = windows_->matchWindow()->isVisible() &&
                          windows_->matchWindow()->personButtons[0]->isEnabled();
  if (!personsDue || inFront == windows_->splash()) return pressKey();
  if (takesText(inFront->focusWidget())) windows_->teamSheet()->ui.finishInputButton->setFocus();

  const int team = 1 + random_.below(2);
  const int slot = random_.below(kRosterLines);
  const OperatorButton& person = *find(R::Person, slot, team);
  auto caption = [&](int t, int s) {
    return windows_->matchWindow()->personButtons[(t - 1) * kRosterLines + s]->text().toStdString();
  };
  const std::string number = caption(team, slot);
  int inTeam = 0, inOther = 0;
  for (int t = 1; t <= 2; ++t)
    for (int s = 1; s <= kLastPlayerSlot; ++s)
      if (caption(t, s) == number) (t == team ? inTeam : inOther) += 1;
  auto digitKeys = [&](const std::string& digits) {
    std::string keys;
    for (char c : digits)
      keys += " " + keyOf(("number" + std::string(1, c)).c_str(), random_.below(2));
    return keys;
  };
  // By shirt number when it is digits and no other line of the team has
  // it, the team's key left out now and then when the other team lacks it
  // too; else by roster line; the official after the team's key.
  const std::string teamKey = keyOf(team == 1 ? "team1" : "team2");
  std::string keys;
  int typed = 0;
  if (slot == kOfficialSlot) {
    keys = teamKey + " " + keyOf("official");
    typed = 2;
  } else if (!number.empty() && number.size() <= 4 &&
             number.find_first_not_of("0123456789") == std::string::npos && inTeam == 1) {
    const bool withTeam = inOther > 0 || random_.percent(50);
    keys = (withTeam ? teamKey : "") + digitKeys(number);
    typed = static_cast<int>(number.size()) + (withTeam ? 1 : 0);
  } else {
    keys = teamKey + " " + keyOf("line") + digitKeys(std::to_string(slot));
    typed = 2 + static_cast<int>(std::to_string(slot).size());
  }
  const bool confirm = random_.percent(40);
  const int action = 1 + random_.below(kActions);
  const OperatorButton& act = *find(R::Action, action);
  const std::string last =
      confirm ? keyOf("confirm", random_.below(2))
              : keymap().keys(keyStepOf(KeyGroup::MatchWindow, KeyStepKind::Action, action))[0];
  note("type '" + keys + " " + last + "' for " + person.describe() +
       (confirm ? "" : " and " + act.describe()));
  const std::string expectedError =
      confirm ? "" : rules_.expectedErrorOfPickAndAct(team, slot, action);
  const size_t errors = fixture_.errorBoxes.size();
  const size_t questions = fixture_.questions.size();
  ++personsTyped_;
  sendKeys(keys, inFront);
  if (!rules_.unchangedInStep()) return "typing a person changed the logs";
  sendKeys(last, inFront);

  if (confirm) {
    rules_.clicked(person, true, fixture_.clockSeconds);
    return newMessage(errors, questions);
  }
  // The official takes only a time-out or a foul: nothing happens, and
  // what was typed stays until taken back key by key.
  if (slot == kOfficialSlot && action != kTimeOut && action != kFoul) {
    if (!rules_.unchangedInStep()) return "an action the person may not take changed the logs";
    for (int n = 0; n < typed; ++n) sendKeys(keyOf("correct"), inFront);
    if (!windows_->matchWindow()->typedPersonPanel->isHidden())
      return "the correction key left what was typed";
    return afterKey(nullptr, errors, questions);
  }
  rules_.pickedAndActed(person);
  if (expectedError.empty()) return newMessage(errors, questions);
  if (fixture_.errorBoxes.size() != errors + 1 || fixture_.errorBoxes.back() != expectedError)
    return "expected the error box '" + expectedError + "'";
  return newMessage(errors + 1, questions);
}
