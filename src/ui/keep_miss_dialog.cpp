#include "keep_miss_dialog.h"

#include "detail_dialogs.h"

KeepMissDialog::KeepMissDialog(MatchModel& model) : DetailDialog(model, Window::KeepMiss) {
  ui.setupUi(this);
  setUpDetail(QStringLiteral("Keep Miss"), {259, 174}, {572, 395},
              {ui.Button1, ui.Button2, ui.Button3, ui.Button4, ui.Button5, ui.Button6, ui.Button7},
              ui.Button8, [this](const std::string& text, int kind) {
                pickKeepMiss(this->model(), text, kind);
              });
}

void KeepMissDialog::addExportHeads(ExportHeads& heads) const {
  const QPushButton* kinds[] = {ui.Button1, ui.Button2, ui.Button3, ui.Button4,
                                ui.Button5, ui.Button6, ui.Button7};
  for (int kind = 1; kind <= codes::kKeepMissKinds; ++kind)
    heads.keepMiss[kind] = kinds[kind - 1]->text().toStdString();
}
