#include "detail_dialog.h"

#include "fonts.h"

DetailDialog::DetailDialog(Screen& screen, WindowId id) : RecorderWindow(screen, id) {}

void DetailDialog::setUpDetail(const QString& caption, QPoint position, QSize windowSize,
                               std::vector<QPushButton*> choices, QPushButton* correction,
                               Action action) {
  choices_ = std::move(choices);
  correction_ = correction;
  // Teal, drawn as a cross-hatch in that colour.
  applyStoredAppearance(
      {caption, position, windowSize, false, QColor(0, 128, 128), Frame::Sizeable, true});
  correction->setFont(designFont(kGothic, 24, true));
  for (size_t i = 0; i < choices_.size(); ++i) {
    const int code = static_cast<int>(i) + 1;
    choices_[i]->setText(qs(std::string(detailWord(action, code))));
    connect(choices_[i], &QPushButton::clicked, this,
            [this, code] { handle([&] { screen().chooseDetail(windowId(), code); }); });
  }
  connect(correction, &QPushButton::clicked, this, &DetailDialog::correctPlace);
}

void DetailDialog::correctPlace() {
  handle([&] { screen().correctDetail(windowId()); });
}

std::vector<KeyedControl> DetailDialog::keyedControls() const {
  std::vector<KeyedControl> keyed = {
      {correction_, keyStepOf(KeyGroup::Everywhere, KeyStepKind::Correct)}};
  for (size_t i = 0; i < choices_.size(); ++i)
    keyed.push_back(
        {choices_[i], keyStepOf(groupOfDialog(windowId()), KeyStepKind::Detail, int(i) + 1)});
  return keyed;
}
