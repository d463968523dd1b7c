#include "penalty_throw_dialog.h"

#include "detail_dialogs.h"

PenaltyThrowDialog::PenaltyThrowDialog(MatchModel& model) : DetailDialog(model, Window::Penalty) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("ペナルティ"), {292, 177}, {567, 332},
              {ui.insideLineButton, ui.shotStoppedButton, ui.passToKeeperButton, ui.otherButton},
              ui.correctionButton,
              [this](const std::string& text, int) { pickPenaltyReason(this->model(), text); });
}
