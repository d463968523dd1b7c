#include "key_entry.h"

#include "event_facts_view.h"
#include "views.h"

namespace {

using Kind = KeyStepKind;

std::pair<Stage, size_t> entryMark(const Match& m) {
  return {m.entry().stage, m.events().size()};
}

}  // namespace

KeyEntry::Typing KeyEntry::typing() const {
  Typing t;
  for (const KeyStep* step : typed_) {
    if (step->kind == Kind::Team) t.team = teamNumbered(step->code);
    if (step->kind == Kind::Official) t.official = true;
    if (step->kind == Kind::Line) t.byLine = true;
    if (step->kind == Kind::Assist) t.assist = true;
    if (step->kind == Kind::Digit) t.digits += static_cast<char>('0' + step->code);
  }
  return t;
}

// Persons are picked on the match window, while it is shown and a pick is due.
bool KeyEntry::typingLive(const Screen& s) const {
  return s.visible(WindowId::Match) && s.match().canPickPerson();
}

void KeyEntry::dropStaleTyping(const Screen& s) {
  if (!typed_.empty() && (!typingLive(s) || entryMark(s.match()) != typedAt_)) typed_.clear();
}

std::vector<std::pair<TeamId, int>> KeyEntry::typedCandidates(const Screen& s) const {
  if (typed_.empty() || !typingLive(s) || entryMark(s.match()) != typedAt_) return {};
  const Typing t = typing();
  const Match& m = s.match();
  if (t.assist) return {};
  if (t.official) {
    if (!t.team) return {};
    return {{*t.team, kOfficialSlot}};
  }
  if (t.digits.empty()) return {};
  if (t.byLine) {
    const int slot = std::stoi(t.digits);
    if (!t.team || slot < 1 || slot > kLastPlayerSlot) return {};
    return {{*t.team, slot}};
  }
  std::vector<std::pair<TeamId, int>> found;
  for (TeamId team : kBothTeams)
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
      if ((!t.team || t.team == team) && m.team(team).lines[slot].number == t.digits)
        found.emplace_back(team, slot);
  return found;
}

std::string KeyEntry::typedPerson(const Screen& s) const {
  if (typed_.empty() || !typingLive(s) || entryMark(s.match()) != typedAt_) return {};
  const Typing t = typing();
  std::string text = t.team ? "チーム" + std::to_string(teamNumber(*t.team)) : "";
  auto add = [&](const std::string& part) { text += (text.empty() ? "" : " ") + part; };
  if (t.assist) add("アシスト");
  if (t.official) add(std::string(kOfficialWord));
  if (t.byLine) add("行");
  if (!t.digits.empty()) add(t.digits);
  return text;
}

KeyOutcome KeyEntry::press(Screen& s, std::string_view key, bool teamSheetInFront) {
  const std::vector<int>& steps = keymap_.stepsOn(key);
  if (steps.empty()) return KeyOutcome::Unmapped;
  dropStaleTyping(s);
  // Of the steps on one key at most one is offered now (keymap.h).
  for (int i : steps) {
    const KeyOutcome outcome = take(s, keySteps()[i], teamSheetInFront);
    if (outcome != KeyOutcome::Refused) return outcome;
  }
  return KeyOutcome::Refused;
}

KeyOutcome KeyEntry::take(Screen& s, const KeyStep& step, bool teamSheetInFront) {
  Match& m = s.match();
  const Entry& e = m.entry();
  const bool matchShown = s.visible(WindowId::Match);
  auto stepped = [](bool taken) { return taken ? KeyOutcome::Stepped : KeyOutcome::Refused; };
  switch (step.kind) {
    case Kind::Help:
      return KeyOutcome::Help;
    case Kind::Video:
      video_ = static_cast<VideoCommand>(step.code);
      return KeyOutcome::Video;
    case Kind::Save:
      return KeyOutcome::Save;
    case Kind::Season:
      return KeyOutcome::Season;
    case Kind::Correct:
      return correct(s);
    case Kind::Switch:
      // The team sheet's 入力終了 / 画面切り替え, else the match window's.
      if (teamSheetInFront) {
        s.finishInput();
        return KeyOutcome::Stepped;
      }
      if (matchShown) s.showTeamSheet();
      return stepped(matchShown);
    case Kind::Start:
      if (!matchShown || m.clock().started()) return KeyOutcome::Refused;
      s.startMatch();
      return KeyOutcome::Stepped;
    case Kind::Pause:
      if (!matchShown || !m.clock().started()) return KeyOutcome::Refused;
      s.togglePause();
      return KeyOutcome::Stepped;
    case Kind::Team:
    case Kind::Official:
    case Kind::Line:
    case Kind::Digit:
      return type(s, step);
    case Kind::Confirm: {
      if (typing().assist) return confirmAssist(s);
      const auto persons = typedCandidates(s);
      if (persons.size() != 1) return KeyOutcome::Refused;
      typed_.clear();
      s.pickPerson(persons[0].first, persons[0].second);
      return KeyOutcome::Stepped;
    }
    case Kind::Action:
      return act(s, static_cast<Action>(step.code));
    case Kind::Place: {
      const CourtDialogView v = courtDialogView(m);
      const bool usable = step.code == place::kBench ? v.benchUsable : v.placesUsable;
      if (!s.visible(WindowId::Court) || !usable || !m.canChoosePlace(step.code))
        return KeyOutcome::Refused;
      s.choosePlace(step.code);
      return KeyOutcome::Stepped;
    }
    case Kind::Zone:
      if (!s.visible(WindowId::Court) || !courtDialogView(m).zonesUsable ||
          !m.canChooseDetail(step.code))
        return KeyOutcome::Refused;
      s.chooseZone(step.code);
      return KeyOutcome::Stepped;
    case Kind::Outcome:
    case Kind::Attack:
    case Kind::Assist:
    case Kind::Goalkeeper:
      return sayFact(s, step);
    case Kind::Detail: {
      const WindowId dialog = dialogOfGroup(step.group);
      if (!s.visible(dialog) || e.stage != Stage::PlaceChosen ||
          dialogFor(e.event.action) != dialog || !m.canChooseDetail(step.code))
        return KeyOutcome::Refused;
      s.chooseDetail(dialog, step.code);
      return KeyOutcome::Stepped;
    }
  }
  return KeyOutcome::Refused;
}

KeyOutcome KeyEntry::type(const Screen& s, const KeyStep& step) {
  if (!typingLive(s)) return KeyOutcome::Refused;
  const Typing t = typing();
  switch (step.kind) {
    case Kind::Team:
      if (t.assist) return KeyOutcome::Refused;
      break;
    case Kind::Official:
    case Kind::Line:
      // Before any digit, once.
      if (!t.digits.empty() || t.official || t.byLine || t.assist) return KeyOutcome::Refused;
      break;
    case Kind::Digit:
      if (t.official) return KeyOutcome::Refused;
      // A roster line is 1 to 14; a shirt number has at most four digits.
      if (t.byLine ? std::stoi(t.digits + char('0' + step.code)) > kLastPlayerSlot
                   : t.digits.size() >= 4)
        return KeyOutcome::Refused;
      break;
    default:
      break;
  }
  if (typed_.empty()) typedAt_ = entryMark(s.match());
  typed_.push_back(&step);
  return KeyOutcome::Typed;
}

KeyOutcome KeyEntry::correct(Screen& s) {
  if (!typed_.empty()) {
    typed_.pop_back();
    return KeyOutcome::Typed;
  }
  // 修正 of the window the open event goes on in.
  const Match& m = s.match();
  const Entry& e = m.entry();
  if (e.stage == Stage::PersonPicked) {
    if (!s.visible(WindowId::Match) || !m.canCorrectPerson()) return KeyOutcome::Refused;
    s.correctPerson();
    return KeyOutcome::Stepped;
  }
  if (e.stage == Stage::ActionChosen || (e.stage == Stage::PlaceChosen && isShot(e.event.action))) {
    if (!s.visible(WindowId::Court)) return KeyOutcome::Refused;
    s.correctOnCourt();
    return KeyOutcome::Stepped;
  }
  if (e.stage == Stage::PlaceChosen) {
    const WindowId dialog = dialogFor(e.event.action);
    if (!s.visible(dialog)) return KeyOutcome::Refused;
    s.correctDetail(dialog);
    return KeyOutcome::Stepped;
  }
  return KeyOutcome::Refused;
}

KeyOutcome KeyEntry::act(Screen& s, Action a) {
  Match& m = s.match();
  if (typed_.empty()) {
    if (!s.visible(WindowId::Match) || !m.canChooseAction(a)) return KeyOutcome::Refused;
    s.chooseAction(a);
    return KeyOutcome::Stepped;
  }
  // The typed person and the action together, or neither.
  const auto persons = typedCandidates(s);
  if (persons.size() != 1 || !allowedForSlot(a, persons[0].second)) return KeyOutcome::Refused;
  typed_.clear();
  s.pickPerson(persons[0].first, persons[0].second);
  s.chooseAction(a);
  return KeyOutcome::Stepped;
}

KeyOutcome KeyEntry::sayFact(Screen& s, const KeyStep& step) {
  Match& m = s.match();
  // Offered with the person keys, on the match window.
  if (!typingLive(s)) return KeyOutcome::Refused;
  if (step.kind == Kind::Goalkeeper) {
    const TeamId team = teamNumbered(step.code).value_or(TeamId::One);
    const int next = nextMarkedGoalkeeper(m, team);
    if (next == 0) return KeyOutcome::Refused;
    s.putInGoal(team, next);
    return KeyOutcome::Stepped;
  }
  const Event* e = m.factsTarget();
  if (!e) return KeyOutcome::Refused;
  switch (step.kind) {
    case Kind::Outcome:
      if (!takesOutcome(e->action)) return KeyOutcome::Refused;
      s.chooseOutcome(static_cast<MissOutcome>(step.code));
      return KeyOutcome::Stepped;
    case Kind::Attack:
      if (!takesAttack(e->action)) return KeyOutcome::Refused;
      s.chooseAttack(static_cast<AttackKind>(step.code));
      return KeyOutcome::Stepped;
    case Kind::Assist:
      // Before anything else is typed.
      if (!takesAssist(e->action) || !typed_.empty()) return KeyOutcome::Refused;
      typedAt_ = entryMark(m);
      typed_.push_back(&step);
      return KeyOutcome::Typed;
    default:
      return KeyOutcome::Refused;
  }
}

KeyOutcome KeyEntry::confirmAssist(Screen& s) {
  const Event* e = s.match().factsTarget();
  const Typing t = typing();
  if (!e || !takesAssist(e->action)) return KeyOutcome::Refused;
  int slot = 0;
  if (!t.digits.empty()) {
    // The scorer's teammate with exactly that shirt number.
    const Team& team = s.match().team(e->team);
    for (int line = 1; line <= kLastPlayerSlot && slot == 0; ++line)
      if (line != e->slot && team.lines[line].number == t.digits) slot = line;
    if (slot == 0) return KeyOutcome::Refused;
  }
  typed_.clear();
  if (e->facts.assist == slot) return KeyOutcome::Stepped;
  // chooseAssist takes the one chosen already back: clearing asks for it.
  s.chooseAssist(slot == 0 ? e->facts.assist : slot);
  return KeyOutcome::Stepped;
}
