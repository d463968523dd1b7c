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
  ui.Button23->setFont(designFont(kGothic, 24, true));
  locationButtons = {ui.Button10, ui.Button11, ui.Button12, ui.Button13, ui.Button14,
                     ui.Button15, ui.Button16, ui.Button17, ui.Button18, ui.Button22};
  zoneButtons = {ui.Button1, ui.Button2, ui.Button3, ui.Button4,  ui.Button5, ui.Button6,
                 ui.Button7, ui.Button8, ui.Button9, ui.Button19, ui.Button20};

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
  connect(ui.Button21, &QPushButton::clicked, this, [this] {
    handle([&] {
      pickCourtLocation(this->model(), ui.Button21->text().toStdString(), codes::kBench);
    });
  });
  connect(ui.Button23, &QPushButton::clicked, this, &CourtDialog::Button23Click);
}

void CourtDialog::FormCreate() {
  createCourtDialog(model());
}

void CourtDialog::refresh() {
  const CourtDialogModel& court = model().court;
  for (QPushButton* b : locationButtons) b->setEnabled(court.locationsEnabled);
  for (QPushButton* b : zoneButtons) b->setEnabled(court.zonesEnabled);
  ui.Button21->setEnabled(court.benchEnabled);
}

void CourtDialog::Button23Click() {
  handle([&] { correctCourtStep(model()); });
}

void CourtDialog::addExportHeads(ExportHeads& heads) const {
  for (int code = 1; code <= codes::kZones; ++code)
    heads.zone[code] = zoneButtons[code - 1]->text().toStdString();
  for (int code = 1; code <= codes::kLocations; ++code)
    heads.location[code] = locationButtons[code - 1]->text().toStdString();
}
