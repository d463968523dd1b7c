#include "screen.h"

#include <optional>

#include "event_draft.h"
#include "user_error.h"

WindowId dialogFor(Action a) {
  switch (a) {
    case Action::KeepMiss:
      return WindowId::KeepMiss;
    case Action::PenaltyWon:
      return WindowId::PenaltyThrow;
    case Action::TimeOut:
      return WindowId::TimeOut;
    case Action::Foul:
      return WindowId::Foul;
    default:
      return WindowId::Court;
  }
}

std::vector<WindowId> Screen::takeRaised() {
  std::vector<WindowId> raised;
  raised.swap(raised_);
  return raised;
}

void Screen::show(WindowId w) {
  visible_[static_cast<int>(w)] = true;
  // Only the last raise of a window decides the order in front, so each
  // window is listed once and the list stays short when no window takes it.
  std::erase(raised_, w);
  raised_.push_back(w);
  std::erase(frontOrder_, w);
  frontOrder_.push_back(w);
}

ScreenState Screen::state() const {
  return {visible_, frontOrder_,   rosterCarried_,           splashShown_,
          notes_,   analysisTeam_, analysisSlot_.value_or(0)};
}

void Screen::restore(const ScreenState& s) {
  visible_ = s.visible;
  frontOrder_ = s.frontOrder;
  rosterCarried_ = s.rosterCarried;
  splashShown_ = s.splashShown;
  notes_ = s.notes;
  analysisTeam_ = s.analysisTeam;
  analysisSlot_ = s.analysisSlot > 0 ? std::optional<int>(s.analysisSlot) : std::nullopt;
  raised_.clear();
  for (WindowId w : frontOrder_)
    if (visible(w)) raised_.push_back(w);
}

std::string Screen::personCaption(TeamId team, int slot) const {
  if (!rosterCarried_) return {};
  if (slot == kOfficialSlot) return std::string(kOfficialWord);
  return match_.team(team).lines[slot].number;
}

std::string Screen::teamPanel(TeamId team) const {
  return rosterCarried_ ? match_.team(team).name : std::string();
}

namespace {
void typeInto(Match& m, std::string& field, const std::string& text) {
  if (field == text) return;
  field = text;
  m.markEdited();
}
}  // namespace

void Screen::typeFileStem(const std::string& text) {
  typeInto(match_, match_.fileStem, text);
}

void Screen::typeExportPrefix(const std::string& text) {
  typeInto(match_, match_.exportPrefix, text);
}

void Screen::typeTeamName(TeamId team, const std::string& text) {
  typeInto(match_, match_.team(team).name, text);
}

void Screen::finishInput() {
  rosterCarried_ = true;
  show(WindowId::Match);
}

void Screen::showSplashOnce() {
  if (splashShown_) return;
  splashShown_ = true;
  show(WindowId::Splash);
}

void Screen::showTeamSheet() {
  show(WindowId::TeamSheet);
}

void Screen::startMatch() {
  match_.startClock();
}

void Screen::togglePause() {
  match_.togglePause();
}

void Screen::tick() {
  match_.tickClock();
}

void Screen::nudgeClock(int seconds) {
  match_.nudgeClock(seconds);
}

void Screen::setClockText(const std::string& text) {
  const std::optional<int> seconds = parseClockText(text);
  if (!seconds) throw UserError(std::string(kClockTextRule));
  match_.setClock(*seconds);
}

void Screen::changeSettings(const MatchSettings& settings) {
  match_.setSettings(settings);
  match_.markEdited();
}

void Screen::pickPerson(TeamId team, int slot) {
  match_.pickPerson(team, slot);
}

void Screen::correctPerson() {
  match_.correctPerson();
}

void Screen::chooseAction(Action a) {
  if (match_.chooseAction(a)) show(WindowId::Court);
}

namespace {
// The facts of the event recorded last with one of them changed.
template <typename Change>
void sayOfLast(Match& m, Change change) {
  const Event* e = m.factsTarget();
  if (!e || !m.canPickPerson()) return;
  EventFacts f = e->facts;
  change(f, *e);
  m.setLastFacts(f);
}
}  // namespace

void Screen::chooseOutcome(MissOutcome outcome) {
  sayOfLast(match_, [&](EventFacts& f, const Event&) { f.outcome = outcome; });
}

void Screen::chooseAttack(AttackKind attack) {
  sayOfLast(match_, [&](EventFacts& f, const Event&) { f.attack = attack; });
}

void Screen::chooseAssist(int slot) {
  sayOfLast(match_, [&](EventFacts& f, const Event&) { f.assist = f.assist == slot ? 0 : slot; });
}

void Screen::toggleWrittenReport() {
  sayOfLast(match_, [](EventFacts& f, const Event&) { f.writtenReport = !f.writtenReport; });
}

void Screen::putInGoal(TeamId team, int slot) {
  match_.changeGoalkeeper(team, slot);
}

void Screen::choosePlace(int place) {
  if (!match_.choosePlace(place)) return;
  const WindowId next = dialogFor(match_.entry().event.action);
  if (next == WindowId::Court) return;  // the goal zone is chosen on the court dialog
  hide(WindowId::Court);
  show(next);
}

void Screen::chooseZone(int zone) {
  const Entry& e = match_.entry();
  if (e.stage != Stage::PlaceChosen || !isShot(e.event.action)) return;
  if (match_.chooseDetail(zone)) hide(WindowId::Court);
}

void Screen::correctOnCourt() {
  const Entry& e = match_.entry();
  if (e.stage == Stage::ActionChosen) {
    // The action is taken back; the match window comes forward for another.
    if (match_.takeBackAction()) show(WindowId::Match);
  } else if (e.stage == Stage::PlaceChosen && isShot(e.event.action)) {
    match_.takeBackPlace();
  }
}

void Screen::chooseDetail(WindowId dialog, int code) {
  const Entry& e = match_.entry();
  if (e.stage != Stage::PlaceChosen || dialogFor(e.event.action) != dialog ||
      dialog == WindowId::Court)
    return;
  if (match_.chooseDetail(code)) hide(dialog);
}

void Screen::correctDetail(WindowId dialog) {
  const Entry& e = match_.entry();
  if (e.stage != Stage::PlaceChosen || dialogFor(e.event.action) != dialog ||
      dialog == WindowId::Court)
    return;
  match_.takeBackPlace();
  hide(dialog);
  show(WindowId::Court);
}

void Screen::showAnalysis() {
  show(WindowId::Analysis);
}

void Screen::chooseAnalysisTeam(TeamId team) {
  if (team != analysisTeam_) analysisSlot_.reset();
  analysisTeam_ = team;
}

void Screen::chooseAnalysisPerson(std::optional<int> slot) {
  if (slot && (*slot <= kOfficialSlot || *slot > kLastPlayerSlot)) return;
  analysisSlot_ = slot;
}

bool Screen::neededByOpenEvent(WindowId w) const {
  const Entry& e = match_.entry();
  if (!visible(w)) return false;
  if (w == WindowId::Court) {
    // Awaiting a place or the bench, or the goal zone of a shot.
    return e.stage == Stage::ActionChosen ||
           (e.stage == Stage::PlaceChosen && isShot(e.event.action));
  }
  // The person, or the action once a person is picked, is chosen there.
  if (w == WindowId::Match)
    return e.stage == Stage::PersonCleared || e.stage == Stage::PersonPicked;
  if (w == WindowId::KeepMiss || w == WindowId::PenaltyThrow || w == WindowId::Foul ||
      w == WindowId::TimeOut)
    return e.stage == Stage::PlaceChosen && dialogFor(e.event.action) == w;
  return false;
}

void Screen::requestClose(WindowId w) {
  if (!neededByOpenEvent(w)) hide(w);
}
