#include "foul_dialog.h"

FoulDialog::FoulDialog(Screen& screen) : DetailDialog(screen, WindowId::Foul) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("反則"), {303, 203}, {506, 311},
              {ui.warningButton, ui.suspensionButton, ui.disqualificationButton},
              ui.correctionButton, Action::Foul);
}
