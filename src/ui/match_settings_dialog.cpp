#include "match_settings_dialog.h"

#include <QPushButton>

namespace {
constexpr int kHalfMinutes[] = {30, 25, 20};
}

MatchSettingsDialog::MatchSettingsDialog(QWidget* parent,
                                         std::function<void(const MatchSettings&)> apply)
    : QDialog(parent) {
  ui.setupUi(this);
  setObjectName(QStringLiteral("matchSettingsDialog"));
  connect(ui.buttons, &QDialogButtonBox::accepted, this, [this, apply] {
    apply(chosen());
    accept();
  });
  connect(ui.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void MatchSettingsDialog::present(const MatchSettings& settings, bool started) {
  shown_ = settings;
  int index = 0;
  for (int i = 0; i < 3; ++i)
    if (kHalfMinutes[i] == settings.periods.halfMinutes) index = i;
  ui.halfLengthBox->setCurrentIndex(index);
  ui.halfLengthBox->setEnabled(!started);
  ui.overtimeBox->setChecked(settings.periods.overtime);
  ui.threePerMatchButton->setChecked(settings.timeOutRule == TimeOutRule::ThreePerMatch);
  ui.onePerHalfButton->setChecked(settings.timeOutRule == TimeOutRule::OnePerHalf);
  ui.clipLeadBox->setValue(settings.clipLeadSeconds);
  ui.clipTailBox->setValue(settings.clipTailSeconds);
}

MatchSettings MatchSettingsDialog::chosen() const {
  MatchSettings s = shown_;
  s.periods.halfMinutes = kHalfMinutes[ui.halfLengthBox->currentIndex()];
  s.periods.overtime = ui.overtimeBox->isChecked();
  s.timeOutRule =
      ui.onePerHalfButton->isChecked() ? TimeOutRule::OnePerHalf : TimeOutRule::ThreePerMatch;
  s.clipLeadSeconds = ui.clipLeadBox->value();
  s.clipTailSeconds = ui.clipTailBox->value();
  return s;
}
