#include "time_out_dialog.h"

#include "detail_dialogs.h"

TimeOutDialog::TimeOutDialog(MatchModel& model) : DetailDialog(model, Window::Situation) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("Form7"), {297, 210}, {550, 346},
              {ui.Button1, ui.Button2, ui.Button3, ui.Button4}, ui.Button5,
              [this](const std::string& text, int) { pickSituation(this->model(), text); });
}
