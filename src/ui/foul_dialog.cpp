#include "foul_dialog.h"

#include "detail_dialogs.h"

FoulDialog::FoulDialog(MatchModel& model) : DetailDialog(model, Window::Foul) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("反則"), {303, 203}, {506, 311}, {ui.Button1, ui.Button2, ui.Button3},
              ui.Button4, [this](const std::string& text, int sanction) {
                pickSanction(this->model(), text, sanction);
              });
}
