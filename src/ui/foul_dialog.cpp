#include "foul_dialog.h"

#include "detail_dialogs.h"

FoulDialog::FoulDialog(MatchModel& model) : DetailDialog(model, Window::Foul) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("反則"), {303, 203}, {506, 311},
              {ui.warningButton, ui.suspensionButton, ui.disqualificationButton},
              ui.correctionButton, [this](const std::string& text, int sanction) {
                pickSanction(this->model(), text, sanction);
              });
}
