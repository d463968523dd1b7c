#include "Unit5.h"

#include "detail_dialogs.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(MatchModel& model) : DetailForm(model, Window::Penalty) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("ペナルティ"), {292, 177}, {567, 332},
              {ui.Button1, ui.Button2, ui.Button3, ui.Button4}, ui.Button5,
              [this](const std::string& text, int) { pickPenaltyReason(this->model(), text); });
}
