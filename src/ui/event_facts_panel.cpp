#include "event_facts_panel.h"

#include <QCloseEvent>
#include <QSignalBlocker>

#include "event_facts_view.h"
#include "fonts.h"

EventFactsPanel::EventFactsPanel(Screen& screen, RecorderWindow& host)
    : QWidget(nullptr), screen_(screen), host_(host) {
  ui.setupUi(this);
  setObjectName(QStringLiteral("eventFactsPanel"));
  // A tool window that never takes the focus: keys stay with the match window.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(designFont(kPGothic, 12));
  setFixedSize(size());
  outcomeButtons = {ui.savedButton, ui.postButton, ui.blockedButton, ui.wideButton};
  attackButtons = {ui.setAttackButton, ui.fastBreakButton, ui.breakthroughButton,
                   ui.emptyGoalButton};
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    assistButtons[slot] = findChild<QPushButton*>(QStringLiteral("assistButton%1").arg(slot));
  goalkeeperBoxes = {ui.teamOneGoalkeeperBox, ui.teamTwoGoalkeeperBox};
  // The assist key's legend goes in the corner, clear of the centred caption.
  ui.assistCaption->setFrameShape(QFrame::Panel);
  ui.assistCaption->setAlignment(Qt::AlignCenter);

  for (int o = 1; o <= kMissOutcomes; ++o) {
    QPushButton* b = outcomeButtons[o - 1];
    b->setText(qs(std::string(kMissOutcomeWords[o])));
    connect(b, &QPushButton::clicked, this,
            [this, o] { step([&] { screen_.chooseOutcome(static_cast<MissOutcome>(o)); }); });
  }
  for (int a = 0; a < kAttackKinds; ++a) {
    QPushButton* b = attackButtons[a];
    b->setText(qs(std::string(kAttackWords[a])));
    connect(b, &QPushButton::clicked, this,
            [this, a] { step([&] { screen_.chooseAttack(static_cast<AttackKind>(a)); }); });
  }
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot)
    connect(assistButtons[slot], &QPushButton::clicked, this,
            [this, slot] { step([&] { screen_.chooseAssist(slot); }); });
  connect(ui.writtenReportBox, &QCheckBox::clicked, this,
          [this] { step([&] { screen_.toggleWrittenReport(); }); });
  for (TeamId team : kBothTeams) {
    QComboBox* box = goalkeeperBoxes[teamIndex(team)];
    connect(box, &QComboBox::activated, this, [this, team, box](int index) {
      const int slot = box->itemData(index).toInt();
      step([&] { screen_.putInGoal(team, slot); });
    });
  }
  refresh();
}

void EventFactsPanel::step(const std::function<void()>& body) {
  host_.handle(body);
}

void EventFactsPanel::closeEvent(QCloseEvent* event) {
  // Shown with the match window, hidden with it.
  event->ignore();
}

void EventFactsPanel::placeBeside(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  move(frame.right() + 1 + 6, frame.top());
}

void EventFactsPanel::refresh() {
  const EventFactsView v = eventFactsView(screen_);
  ui.targetPanel->setText(v.hasTarget ? qs(v.target) : QString());
  for (int o = 1; o <= kMissOutcomes; ++o) {
    QPushButton* b = outcomeButtons[o - 1];
    b->setEnabled(v.outcomeOffered);
    b->setChecked(v.outcomeOffered && static_cast<int>(v.outcome) == o);
  }
  for (int a = 0; a < kAttackKinds; ++a) {
    QPushButton* b = attackButtons[a];
    b->setEnabled(v.attackOffered);
    b->setChecked(v.attackOffered && static_cast<int>(v.attack) == a);
  }
  for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
    QPushButton* b = assistButtons[slot];
    const AssistButton& a = v.assists[slot];
    b->setEnabled(v.assistOffered && a.shown);
    b->setText(v.assistOffered && a.shown ? qs(a.caption) : QString());
    b->setChecked(v.assistOffered && a.on);
  }
  ui.writtenReportBox->setEnabled(v.writtenReportOffered);
  ui.writtenReportBox->setChecked(v.writtenReportOffered && v.writtenReport);
  QLabel* captions[] = {ui.teamOneGoalkeeperCaption, ui.teamTwoGoalkeeperCaption};
  for (TeamId team : kBothTeams) {
    const int t = teamIndex(team);
    const std::string name = screen_.teamPanel(team);
    captions[t]->setText(qs(name.empty() ? "チーム" + std::to_string(teamNumber(team)) : name));
    QComboBox* box = goalkeeperBoxes[t];
    const QSignalBlocker quiet(box);
    const auto& choices = v.goalkeeperChoices[t];
    bool same = box->count() == static_cast<int>(choices.size());
    for (int i = 0; same && i < box->count(); ++i)
      same =
          box->itemText(i) == qs(choices[i].caption) && box->itemData(i).toInt() == choices[i].code;
    if (!same) {
      box->clear();
      for (const EditChoice& c : choices) box->addItem(qs(c.caption), c.code);
    }
    box->setCurrentIndex(box->findData(v.inGoal[t]));
    box->setEnabled(v.goalkeepersUsable);
  }
}

std::vector<KeyedControl> EventFactsPanel::keyedControls() const {
  using G = KeyGroup;
  using K = KeyStepKind;
  std::vector<KeyedControl> keyed;
  for (int o = 1; o <= kMissOutcomes; ++o)
    keyed.push_back({outcomeButtons[o - 1], keyStepOf(G::Facts, K::Outcome, o)});
  for (int a = 0; a < kAttackKinds; ++a)
    keyed.push_back({attackButtons[a], keyStepOf(G::Facts, K::Attack, a)});
  keyed.push_back({ui.assistCaption, keyStepOf(G::Facts, K::Assist)});
  keyed.push_back({ui.teamOneGoalkeeperCaption, keyStepOf(G::Facts, K::Goalkeeper, 1)});
  keyed.push_back({ui.teamTwoGoalkeeperCaption, keyStepOf(G::Facts, K::Goalkeeper, 2)});
  return keyed;
}
