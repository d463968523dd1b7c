#include "penalty_throw_dialog.h"

#include "detail_dialogs.h"

PenaltyThrowDialog::PenaltyThrowDialog(MatchModel& model) : DetailDialog(model, Window::Penalty) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("ペナルティ"), {292, 177}, {567, 332},
              {ui.Button1, ui.Button2, ui.Button3, ui.Button4}, ui.Button5,
              [this](const std::string& text, int) { pickPenaltyReason(this->model(), text); });
}
