#include "Unit6.h"

#include "detail_dialogs.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(MatchModel& model) : DetailForm(model, Window::Foul) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("反則"), {303, 203}, {506, 311}, {ui.Button1, ui.Button2, ui.Button3},
              ui.Button4, [this](const std::string& text, int sanction) {
                pickSanction(this->model(), text, sanction);
              });
}
