#include "time_out_dialog.h"

TimeOutDialog::TimeOutDialog(Screen& screen) : DetailDialog(screen, WindowId::TimeOut) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("Form7"), {297, 210}, {550, 346},
              {ui.leadingButton, ui.leadToLevelButton, ui.behindToLevelButton, ui.losingButton},
              ui.correctionButton, Action::TimeOut);
}
