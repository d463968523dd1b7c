#include "penalty_throw_dialog.h"

PenaltyThrowDialog::PenaltyThrowDialog(Screen& screen)
    : DetailDialog(screen, WindowId::PenaltyThrow) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("ペナルティ"), {292, 177}, {567, 332},
              {ui.insideLineButton, ui.shotStoppedButton, ui.passToKeeperButton, ui.otherButton},
              ui.correctionButton, Action::PenaltyWon);
}
