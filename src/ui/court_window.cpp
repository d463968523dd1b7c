#include "court_window.h"

#include "court_dialog.h"
#include "fonts.h"

CourtDialog::CourtDialog(MatchModel& model) : RecorderWindow(model, Window::Court) {
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

  // Each button writes its own caption; its position in the group is its code.
  auto connectGroup = [this](const std::vector<QPushButton*>& group, auto pick) {
    for (size_t i = 0; i < group.size(); ++i) {
      QPushButton* button = group[i];
      const int code = static_cast<int>(i) + 1;
      connect(button, &QPushButton::clicked, this, [this, button, code, pick] {
        handle([&] { pick(this->model(), button->text().toStdString(), code); });
      });
    }
  };
  connectGroup(locationButtons, pickCourtLocation);
  connectGroup(zoneButtons, pickGoalZone);
  connect(ui.benchButton, &QPushButton::clicked, this, [this] {
    handle([&] {
      pickCourtLocation(this->model(), ui.benchButton->text().toStdString(), codes::kBench);
    });
  });
  connect(ui.correctionButton, &QPushButton::clicked, this, &CourtDialog::correctStep);
}

void CourtDialog::setUp() {
  createCourtDialog(model());
}

void CourtDialog::refresh() {
  const CourtDialogModel& court = model().court;
  for (QPushButton* b : locationButtons) b->setEnabled(court.locationsEnabled);
  for (QPushButton* b : zoneButtons) b->setEnabled(court.zonesEnabled);
  ui.benchButton->setEnabled(court.benchEnabled);
}

void CourtDialog::correctStep() {
  handle([&] { correctCourtStep(model()); });
}

void CourtDialog::addExportHeads(ExportHeads& heads) const {
  for (int code = 1; code <= codes::kZones; ++code)
    heads.zone[code] = zoneButtons[code - 1]->text().toStdString();
  for (int code = 1; code <= codes::kLocations; ++code)
    heads.location[code] = locationButtons[code - 1]->text().toStdString();
}
