#include "event_edit_dialog.h"

#include <QSignalBlocker>

#include "event_editor.h"
#include "event_facts_view.h"
#include "fonts.h"
#include "match_clock.h"

namespace {

int chosenCode(const QComboBox* box) {
  return box->currentIndex() < 0 ? 0 : box->currentData().toInt();
}

// Fills `box` with `choices` and keeps `code` chosen when it is among them;
// a list of one choice has it chosen, since there is nothing else to pick.
void fill(QComboBox* box, const std::vector<EditChoice>& choices, int code) {
  const QSignalBlocker quiet(box);
  box->clear();
  for (const EditChoice& c : choices) box->addItem(QString::fromStdString(c.caption), c.code);
  box->setCurrentIndex(choices.size() == 1 ? 0 : box->findData(code));
}

std::vector<EditChoice> shownChoices(const QComboBox* box) {
  std::vector<EditChoice> choices;
  for (int i = 0; i < box->count(); ++i)
    choices.push_back({box->itemData(i).toInt(), box->itemText(i).toStdString()});
  return choices;
}

}  // namespace

EventEditDialog::EventEditDialog(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  setObjectName(QStringLiteral("eventEditDialog"));
  setFont(designFont(kPGothic, 14));
  resize(width(), sizeHint().height());  // no gap above the buttons
  setWindowModality(Qt::ApplicationModal);
  ui.changeButton->setDefault(true);
  connect(ui.changeButton, &QPushButton::clicked, this, &EventEditDialog::changeRequested);
  connect(ui.deleteButton, &QPushButton::clicked, this, &EventEditDialog::deleteRequested);
  connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui.personBox, &QComboBox::currentIndexChanged, this, &EventEditDialog::personChosen);
  connect(ui.actionBox, &QComboBox::currentIndexChanged, this, &EventEditDialog::actionChosen);
  connect(ui.timeEdit, &QLineEdit::textChanged, this, &EventEditDialog::timeTyped);
  connect(ui.detailBox, &QComboBox::currentIndexChanged, this, &EventEditDialog::factsFit);
  // Filling the list is quiet (fill): only a choice in it says the outcome.
  connect(ui.outcomeBox, &QComboBox::currentIndexChanged, this, [this] { outcomeSaid_ = true; });
}

void EventEditDialog::presentEvent(const Match& m, TeamId team, const Event& e) {
  present(m, team, draftOf(e), false);
}

void EventEditDialog::presentEmpty(const Match& m, TeamId team) {
  present(m, team, {-1, 0, Action{}, 0, 0}, true);
}

void EventEditDialog::present(const Match& m, TeamId team, const EventDraft& shown, bool empty) {
  periods_ = m.settings().periods;
  ownPeriod_ = empty ? m.clock().period() : shown.period;
  ui.timeEdit->setText(empty ? QString() : QString::fromStdString(clockText(shown.clockSeconds)));
  fill(ui.personBox, personChoices(m, team), shown.slot);
  fill(ui.actionBox, shown.slot < 0 ? std::vector<EditChoice>{} : actionChoices(shown.slot),
       static_cast<int>(shown.action));
  const bool acted = ui.actionBox->currentIndex() >= 0;
  fill(ui.placeBox, acted ? placeChoices(shown.action) : std::vector<EditChoice>{}, shown.place);
  fill(ui.detailBox, acted ? detailChoices(shown.action) : std::vector<EditChoice>{}, shown.detail);
  match_ = &m;
  team_ = team;
  outcomeSaid_ = shown.facts.outcome != MissOutcome::Unsaid;
  // The event's own facts, for factsFit to keep what fits.
  const int facts[] = {static_cast<int>(shown.facts.outcome), static_cast<int>(shown.facts.attack),
                       shown.facts.assist, shown.facts.goalkeeper};
  QComboBox* boxes[] = {ui.outcomeBox, ui.attackBox, ui.assistBox, ui.goalkeeperBox};
  for (int i = 0; i < 4; ++i) fill(boxes[i], {{facts[i], {}}}, facts[i]);
  ui.writtenReportBox->setChecked(shown.facts.writtenReport);
  factsFit();
  timeTyped();
  ui.deleteButton->setEnabled(!empty);
  ui.timeEdit->setFocus();
  ui.timeEdit->selectAll();
}

// Another person: the official's list is shorter, and a choice that the
// person may not make is dropped.
void EventEditDialog::personChosen() {
  const int action = chosenCode(ui.actionBox);
  fill(ui.actionBox, actionChoices(chosenCode(ui.personBox)), action);
  if (chosenCode(ui.actionBox) != action)
    actionChosen();
  else
    factsFit();  // the assist is the new person's teammate
}

// Another action: a place it allows stays chosen, and so does a detail
// when the list is the same (a goal turned into a missed shot keeps its
// zone); a zone means nothing to a foul.
void EventEditDialog::actionChosen() {
  const int code = chosenCode(ui.actionBox);
  const auto action = static_cast<Action>(code);
  const std::vector<EditChoice> details = code ? detailChoices(action) : std::vector<EditChoice>{};
  const int detail = shownChoices(ui.detailBox) == details ? chosenCode(ui.detailBox) : 0;
  fill(ui.placeBox, code ? placeChoices(action) : std::vector<EditChoice>{},
       chosenCode(ui.placeBox));
  fill(ui.detailBox, details, detail);
  factsFit();
}

void EventEditDialog::factsFit() {
  if (!match_) return;
  const auto action = static_cast<Action>(chosenCode(ui.actionBox));
  const int slot = ui.personBox->currentIndex() < 0 ? -1 : chosenCode(ui.personBox);
  const bool acted = ui.actionBox->currentIndex() >= 0;
  auto offered = [&](std::vector<EditChoice> choices) {
    return acted ? choices : std::vector<EditChoice>{};
  };
  // Until one is chosen, how a miss ended follows where it was clicked.
  const int outcome =
      outcomeSaid_
          ? chosenCode(ui.outcomeBox)
          : static_cast<int>(outcomeOf(action, chosenCode(ui.detailBox), MissOutcome::Unsaid));
  fill(ui.outcomeBox, offered(outcomeChoices(action)), outcome);
  fill(ui.attackBox, offered(attackChoices(action)), chosenCode(ui.attackBox));
  fill(ui.assistBox, offered(assistChoices(*match_, team_, slot, action)),
       chosenCode(ui.assistBox));
  fill(ui.goalkeeperBox, offered(shotGoalkeeperChoices(*match_, team_, action)),
       chosenCode(ui.goalkeeperBox));
  for (QComboBox* box : {ui.outcomeBox, ui.attackBox, ui.assistBox, ui.goalkeeperBox})
    box->setEnabled(box->count() > 0);
  // Offered for a 失格; anything else clears it, as the lists above drop theirs.
  const bool reportable = acted && takesWrittenReport(action, chosenCode(ui.detailBox));
  ui.writtenReportBox->setEnabled(reportable);
  if (!reportable) ui.writtenReportBox->setChecked(false);
}

// The halves the time can lie in, the event's own chosen when it is among
// them; a choice only where there are two.
void EventEditDialog::timeTyped() {
  const std::optional<int> seconds = parseClockText(ui.timeEdit->text().trimmed().toStdString());
  const std::vector<EditChoice> choices =
      seconds ? periodChoices(periods_, *seconds) : std::vector<EditChoice>{};
  fill(ui.periodBox, choices,
       seconds && !periods_.holds(ownPeriod_, *seconds) ? periods_.periodAt(*seconds) : ownPeriod_);
  ui.periodBox->setEnabled(choices.size() > 1);
}

EventDraft EventEditDialog::draft() const {
  const std::optional<int> seconds = parseClockText(ui.timeEdit->text().trimmed().toStdString());
  if (!seconds) throw EditError(std::string(kClockTextRule));
  EventDraft d;
  d.clockSeconds = *seconds;
  d.slot = ui.personBox->currentIndex() < 0 ? -1 : chosenCode(ui.personBox);
  d.action = static_cast<Action>(chosenCode(ui.actionBox));
  d.place = chosenCode(ui.placeBox);
  d.detail = chosenCode(ui.detailBox);
  d.period = chosenCode(ui.periodBox);
  if (outcomeSaid_) d.facts.outcome = static_cast<MissOutcome>(chosenCode(ui.outcomeBox));
  d.facts.attack = static_cast<AttackKind>(chosenCode(ui.attackBox));
  d.facts.assist = chosenCode(ui.assistBox);
  d.facts.goalkeeper = chosenCode(ui.goalkeeperBox);
  d.facts.writtenReport = ui.writtenReportBox->isChecked();
  return d;
}
