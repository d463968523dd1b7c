#include "court_window.h"

#include "fonts.h"
#include "views.h"

CourtDialog::CourtDialog(Screen& s) : RecorderWindow(s, WindowId::Court) {
  ui.setupUi(this);
  applyStoredAppearance({QStringLiteral("Orvel作ハンドボールコート"),
                         {295, 143},
                         {499, 448},
                         true,
                         palette().color(QPalette::Button),
                         Frame::Tool,
                         false});
  ui.correctionButton->setFont(designFont(kGothic, 24, true));
  locationButtons = {ui.leftWingButton,    ui.leftPostButton,  ui.centrePostButton,
                     ui.rightPostButton,   ui.rightWingButton, ui.leftBackButton,
                     ui.centreButton,      ui.rightBackButton, ui.opponentHalfButton,
                     ui.penaltyThrowButton};
  zoneButtons = {ui.outsideLeftZoneButton,  ui.topLeftZoneButton,     ui.middleLeftZoneButton,
                 ui.bottomLeftZoneButton,   ui.topCentreZoneButton,   ui.middleCentreZoneButton,
                 ui.bottomCentreZoneButton, ui.topRightZoneButton,    ui.middleRightZoneButton,
                 ui.bottomRightZoneButton,  ui.outsideRightZoneButton};

  // Each button reads the word of its code, and its position in the group
  // is its code.
  auto connectGroup = [this](const std::vector<QPushButton*>& group, const auto& words,
                             void (Screen::*choose)(int)) {
    for (size_t i = 0; i < group.size(); ++i) {
      const int code = static_cast<int>(i) + 1;
      group[i]->setText(qs(std::string(words[code])));
      connect(group[i], &QPushButton::clicked, this,
              [this, code, choose] { handle([&] { (this->screen().*choose)(code); }); });
    }
  };
  connectGroup(locationButtons, kPlaceWords, &Screen::choosePlace);
  connectGroup(zoneButtons, kZoneWords, &Screen::chooseZone);
  ui.benchButton->setText(qs(std::string(kPlaceWords[place::kBench])));
  connect(ui.benchButton, &QPushButton::clicked, this,
          [this] { handle([&] { this->screen().choosePlace(place::kBench); }); });
  connect(ui.correctionButton, &QPushButton::clicked, this, &CourtDialog::correctStep);
}

void CourtDialog::refresh() {
  const CourtDialogView v = courtDialogView(match());
  for (QPushButton* b : locationButtons) b->setEnabled(v.placesUsable);
  for (QPushButton* b : zoneButtons) b->setEnabled(v.zonesUsable);
  ui.benchButton->setEnabled(v.benchUsable);
}

void CourtDialog::correctStep() {
  handle([&] { screen().correctOnCourt(); });
}

std::vector<KeyedControl> CourtDialog::keyedControls() const {
  using G = KeyGroup;
  using K = KeyStepKind;
  std::vector<KeyedControl> keyed = {
      {ui.benchButton, keyStepOf(G::CourtPlace, K::Place, place::kBench)},
      {ui.correctionButton, keyStepOf(G::Everywhere, K::Correct)},
  };
  for (size_t i = 0; i < locationButtons.size(); ++i)
    keyed.push_back({locationButtons[i], keyStepOf(G::CourtPlace, K::Place, int(i) + 1)});
  for (size_t i = 0; i < zoneButtons.size(); ++i)
    keyed.push_back({zoneButtons[i], keyStepOf(G::CourtZone, K::Zone, int(i) + 1)});
  return keyed;
}
