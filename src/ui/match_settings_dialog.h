// "試合設定": the length of the halves, overtime and the time-out rule, set
// before the match and kept with it. Overtime and the rule may still change
// during the match (a draw calls for overtime); the halves' length may not.
#pragma once

#include <QDialog>
#include <functional>

#include "match_settings.h"
#include "ui_match_settings_dialog.h"

class MatchSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // `apply` receives the settings chosen with OK.
  MatchSettingsDialog(QWidget* parent, std::function<void(const MatchSettings&)> apply);

  // Shows `settings`; the length is fixed once the match has started.
  void present(const MatchSettings& settings, bool started);
  MatchSettings chosen() const;

  Ui::MatchSettingsDialog ui;

 private:
  MatchSettings shown_;
};
