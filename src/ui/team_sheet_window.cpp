#include "team_sheet_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "grid_view.h"
#include "match_save.h"
#include "match_settings_dialog.h"
#include "message_box.h"
#include "roster_table_model.h"
#include "saved_names.h"
#include "views.h"

namespace {

GridLayout rosterLayout() {
  GridLayout layout;
  layout.rowHeight = 20;
  layout.lineLabels = true;
  layout.editable = true;
  for (int col = 0; col < RosterGrid::kColumns; ++col)
    layout.columnWidths.push_back(col == 2 || col == 9 ? 100 : col == 7 ? 15 : 35);
  return layout;
}

}  // namespace

TeamSheetWindow::TeamSheetWindow(Screen& s)
    : RecorderWindow(s, WindowId::TeamSheet), rosterGrid_(s) {
  ui.setupUi(this);
  applyStoredAppearance({QStringLiteral("データ入力"),
                         {174, 93},
                         {742, 523},
                         true,
                         QColor(128, 128, 0),
                         Frame::Tool,
                         false});
  splashTimer.setInterval(1);
  connect(ui.finishInputButton, &QPushButton::clicked, this, &TeamSheetWindow::finishInput);
  connect(ui.saveButton, &QPushButton::clicked, this, &TeamSheetWindow::saveMatch);
  connect(ui.seasonButton, &QPushButton::clicked, this, [this] {
    if (season_) season_();
  });
  connect(ui.settingsButton, &QPushButton::clicked, this, &TeamSheetWindow::showSettings);
  settingsDialog = new MatchSettingsDialog(this, [this](const MatchSettings& chosen) {
    handle([&] { screen().changeSettings(chosen); });
  });
  connect(&splashTimer, &QTimer::timeout, this, &TeamSheetWindow::showSplash);
  auto follow = [this](QLineEdit* edit, auto type) {
    connect(edit, &QLineEdit::textChanged, this, [this, type](const QString& text) {
      handle([&] { type(screen(), text.toStdString()); });
    });
  };
  follow(ui.fileNameEdit, [](Screen& s, const std::string& text) { s.typeFileStem(text); });
  follow(ui.exportPrefixEdit, [](Screen& s, const std::string& text) { s.typeExportPrefix(text); });
  follow(ui.teamOneNameEdit,
         [](Screen& s, const std::string& text) { s.typeTeamName(TeamId::One, text); });
  follow(ui.teamTwoNameEdit,
         [](Screen& s, const std::string& text) { s.typeTeamName(TeamId::Two, text); });
  rosterModel_ = new RosterTableModel(rosterGrid_, this);
  attachGrid(ui.rosterGrid, rosterModel_, rosterLayout());
  // The match window's person buttons follow the shirt numbers at once.
  connect(rosterModel_, &RosterTableModel::edited, this, [this] { handle([] {}); });
  ui.rosterGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  ui.rosterGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
  setAcceptDrops(true);
}

TeamSheetWindow::~TeamSheetWindow() {
  disconnect(rosterModel_, nullptr, this, nullptr);
  rosterModel_->detach();
}

void TeamSheetWindow::refresh() {
  const Match& m = match();
  setTextIfChanged(ui.fileNameEdit, m.fileStem);
  setTextIfChanged(ui.exportPrefixEdit, m.exportPrefix);
  setTextIfChanged(ui.teamOneNameEdit, m.team(TeamId::One).name);
  setTextIfChanged(ui.teamTwoNameEdit, m.team(TeamId::Two).name);
  const TeamSheetView view = teamSheetView(screen());
  ui.teamOneWarningsPanel->setText(qs(view.warnings[0]));
  ui.teamTwoWarningsPanel->setText(qs(view.warnings[1]));
  ui.finishInputButton->setText(qs(view.finishInputCaption));
  rosterModel_->refresh();
  const bool splashDue = screen().splashDue();
  if (splashDue && !splashTimer.isActive()) splashTimer.start();
  if (!splashDue && splashTimer.isActive()) splashTimer.stop();
}

void TeamSheetWindow::showSettings() {
  settingsDialog->present(match().settings(), match().clock().started());
  settingsDialog->setWindowModality(Qt::ApplicationModal);
  settingsDialog->show();
}

std::vector<KeyedControl> TeamSheetWindow::keyedControls() const {
  return {{ui.saveButton, keyStepOf(KeyGroup::Everywhere, KeyStepKind::Save)},
          {ui.finishInputButton, keyStepOf(KeyGroup::Everywhere, KeyStepKind::Switch)},
          {ui.seasonButton, keyStepOf(KeyGroup::Everywhere, KeyStepKind::Season)}};
}

void TeamSheetWindow::finishInput() {
  handle([&] { screen().finishInput(); });
}

void TeamSheetWindow::saveMatch() {
  handle([&] {
    MatchSave save;
    save.askOverwrite = [this](const std::string& question) {
      return askYesNo(this, qs(question));
    };
    save.showNotice = [this](const std::string& notice) { showNotice(this, qs(notice)); };
    save.copyMatch = copyMatch_;
    save.faults = faults_;
    save.run(match());
  });
}

namespace {

// The one local file a drag carries, if it carries one.
std::optional<std::filesystem::path> droppedFile(const QMimeData* data) {
  if (!data->hasUrls() || data->urls().size() != 1) return std::nullopt;
  const QUrl url = data->urls().front();
  if (!url.isLocalFile()) return std::nullopt;
  return std::filesystem::path(url.toLocalFile().toStdString());
}

bool isVideoFile(const std::filesystem::path& path) {
  static const QStringList kVideoSuffixes = {"mp4", "m4v",  "mov", "mkv",  "avi", "mts", "m2ts",
                                             "ts",  "webm", "mpg", "mpeg", "wmv", "3gp"};
  return kVideoSuffixes.contains(QFileInfo(QString::fromStdString(path.string())).suffix(),
                                 Qt::CaseInsensitive);
}

}  // namespace

std::function<void(const std::filesystem::path&)> TeamSheetWindow::dropTarget(
    const std::optional<std::filesystem::path>& path) const {
  if (!path) return nullptr;
  if (path->extension() == kMatchFileExtension) return open_;
  if (isVideoFile(*path)) return video_;
  return nullptr;
}

void TeamSheetWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (dropTarget(droppedFile(event->mimeData()))) event->acceptProposedAction();
}

void TeamSheetWindow::dropEvent(QDropEvent* event) {
  const auto path = droppedFile(event->mimeData());
  const auto target = dropTarget(path);
  if (!target) return;
  event->acceptProposedAction();
  // Out of the drop: opening may ask first, and a box in the middle of a
  // drag leaves the platform's drag hanging.
  QTimer::singleShot(0, this, [target, file = *path] { target(file); });
}

void TeamSheetWindow::showSplash() {
  handle([&] { screen().showSplashOnce(); });
}

void TeamSheetWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (match().unsaved() &&
      !askYesNo(this, QStringLiteral("保存していない記録があります。保存せずに終了しますか?")))
    return;
  quit_();
}
