#include "keep_miss_dialog.h"

#include "detail_dialogs.h"

KeepMissDialog::KeepMissDialog(MatchModel& model) : DetailDialog(model, Window::KeepMiss) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("Keep Miss"), {259, 174}, {572, 395},
              {ui.passButton, ui.catchButton, ui.lineButton, ui.overButton, ui.chargeButton,
               ui.passiveButton, ui.otherButton},
              ui.correctionButton, [this](const std::string& text, int kind) {
                pickKeepMiss(this->model(), text, kind);
              });
}

void KeepMissDialog::addExportHeads(ExportHeads& heads) const {
  for (int kind = 1; kind <= codes::kKeepMissKinds; ++kind)
    heads.keepMiss[kind] = choiceButtons()[kind - 1]->text().toStdString();
}
