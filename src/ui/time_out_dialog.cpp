#include "time_out_dialog.h"

#include "detail_dialogs.h"

TimeOutDialog::TimeOutDialog(MatchModel& model) : DetailDialog(model, Window::Situation) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("Form7"), {297, 210}, {550, 346},
              {ui.leadingButton, ui.leadToLevelButton, ui.behindToLevelButton, ui.losingButton},
              ui.correctionButton,
              [this](const std::string& text, int) { pickSituation(this->model(), text); });
}
