#include "detail_dialog.h"

#include "detail_dialogs.h"
#include "fonts.h"

DetailDialog::DetailDialog(MatchModel& model, Window id) : RecorderWindow(model, id) {}

void DetailDialog::setUpDetail(const QString& caption, QPoint position, QSize windowSize,
                               std::vector<QPushButton*> choices, QPushButton* correction,
                               std::function<void(const std::string&, int)> pick) {
  choices_ = std::move(choices);
  correction_ = correction;
  applyStoredAppearance(
      {caption, position, windowSize, false, QColor(0, 128, 128), Frame::Sizeable, false});
  correction->setFont(designFont(kGothic, 24, true));
  for (size_t i = 0; i < choices_.size(); ++i) {
    QPushButton* button = choices_[i];
    const int code = static_cast<int>(i) + 1;
    connect(button, &QPushButton::clicked, this, [this, button, code, pick] {
      handle([&] { pick(button->text().toStdString(), code); });
    });
  }
  connect(correction, &QPushButton::clicked, this, &DetailDialog::correctPlace);
}

void DetailDialog::setUp() {
  // The background becomes a cross-hatch in the window colour.
  StoredAppearance stored = storedAppearance();
  stored.crossHatch = true;
  applyStoredAppearance(stored);
}

void DetailDialog::correctPlace() {
  handle([&] { correctDetail(model(), windowId()); });
}
