#include "keep_miss_dialog.h"

KeepMissDialog::KeepMissDialog(Screen& screen) : DetailDialog(screen, WindowId::KeepMiss) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("Keep Miss"), {259, 174}, {572, 395},
              {ui.passButton, ui.catchButton, ui.lineButton, ui.overButton, ui.chargeButton,
               ui.passiveButton, ui.otherButton},
              ui.correctionButton, Action::KeepMiss);
}
