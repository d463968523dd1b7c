#include "season_window.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QVBoxLayout>

#include "analysis_views.h"
#include "message_box.h"
#include "season_report.h"
#include "trend_chart.h"
#include "user_error.h"

namespace fs = std::filesystem;

// The trend of the main rates, drawn as the report draws it.
class TrendView : public QWidget {
 public:
  explicit TrendView(QWidget* parent) : QWidget(parent) {}
  void setTrend(std::vector<TrendPoint> trend) {
    trend_ = std::move(trend);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    drawTrendChart(p, QRectF(rect()).adjusted(4, 4, -4, -4), trend_, font());
  }

 private:
  std::vector<TrendPoint> trend_;
};

namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

QString rateText(std::optional<double> r) {
  return qs(percentText(r));
}

// A cell shown as its text and sorted by its number.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(double value, const QString& text) : QTableWidgetItem(text), value_(value) {
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const auto* number = dynamic_cast<const NumberItem*>(&other);
    return number ? value_ < number->value_ : QTableWidgetItem::operator<(other);
  }

 private:
  double value_;
};

QTableWidgetItem* numberItem(double value, const QString& text) {
  return new NumberItem(value, text);
}

// A shirt number sorts as a number where it is one, before any other text.
QTableWidgetItem* shirtItem(const std::string& number) {
  bool whole = false;
  const double value = QString::fromStdString(number).toDouble(&whole);
  auto* item = numberItem(whole ? value : 1e15, QString::fromStdString(number));
  item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return item;
}

QTableWidgetItem* numberItem(double value) {
  return numberItem(value, QString::number(value));
}

QTableWidgetItem* textItem(const QString& text) {
  return new QTableWidgetItem(text);
}

void setUpTable(QTableWidget* table, const QStringList& heads, bool selectable) {
  table->setColumnCount(static_cast<int>(heads.size()));
  table->setHorizontalHeaderLabels(heads);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(20);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(selectable ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::NoSelection);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
}

// Fills `table` anew, its sorting kept; `fill` puts row r's cells.
void refill(QTableWidget* table, int rows, const std::function<void(int)>& fill) {
  const bool sorting = table->isSortingEnabled();
  table->setSortingEnabled(false);
  table->clearContents();
  table->setRowCount(rows);
  for (int r = 0; r < rows; ++r) fill(r);
  table->setSortingEnabled(sorting);
}

// The folders added beside the data folder, kept from one opening of the
// window to the next.
constexpr const char* kFoldersKey = "season/folders";

std::vector<fs::path> savedFolders(const fs::path& dataFolder) {
  std::vector<fs::path> folders{dataFolder};
  for (const QString& f : QSettings().value(kFoldersKey).toStringList()) {
    const fs::path folder = f.toStdString();
    std::error_code error;
    if (fs::is_directory(folder, error) && folder != dataFolder) folders.push_back(folder);
  }
  return folders;
}

}  // namespace

SeasonWindow::SeasonWindow(fs::path dataFolder, std::function<std::vector<FileIdentity>()> heldHere)
    : heldHere_(std::move(heldHere)) {
  ui.setupUi(this);
  setUpTable(ui.matchTable,
             {"", "日時", "チーム1", "得点", "チーム2", "記録数", "版", "状態", "ファイル"}, true);
  ui.matchTable->setSortingEnabled(true);
  setUpTable(ui.teamTable, {"項目", "合計", "1試合平均", "率"}, false);
  setUpTable(ui.matchFiguresTable,
             {"日時", "相手", "スコア", "結果", "成功率", "セーブ率", "7m成功率", "攻撃効率"},
             false);
  setUpTable(ui.playerTable,
             {"No.", "氏名", "試合", "得点", "シュート", "成功率", "7m", "アシスト", "保持ミス",
              "退場", "セーブ率", "まとめた記入"},
             true);
  ui.playerTable->setSortingEnabled(true);
  setUpTable(ui.appearanceTable, {"日時", "相手", "記入", "No.", "得点", "シュート"}, true);
  ui.appearanceTable->setSelectionMode(QAbstractItemView::SingleSelection);

  auto place = [](QWidget* area, QWidget* view) {
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
  };
  trend_ = new TrendView(ui.trendArea);
  place(ui.trendArea, trend_);
  shotChart_ = new ShotChartView(ui.shotChartArea);
  place(ui.shotChartArea, shotChart_);
  zoneMap_ = new GoalMapView(ui.zoneMapArea);
  place(ui.zoneMapArea, zoneMap_);
  saveMap_ = new GoalMapView(ui.saveMapArea);
  place(ui.saveMapArea, saveMap_);

  model_ = std::make_unique<SeasonModel>(dataFolder, savedFolders(dataFolder),
                                         heldHere_ ? heldHere_() : std::vector<FileIdentity>{});
  connect(ui.reloadButton, &QPushButton::clicked, this, [this] { reload(); });
  connect(ui.addFolderButton, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(this, "フォルダを追加");
    if (!folder.isEmpty()) addFolder(folder.toStdString());
  });
  auto* removeMenu = new QMenu(this);
  ui.removeFolderButton->setMenu(removeMenu);
  connect(removeMenu, &QMenu::aboutToShow, this, [this, removeMenu] {
    removeMenu->clear();
    for (const fs::path& folder : model_->folders())
      if (folder != model_->dataFolder())
        removeMenu->addAction(qs(folder.string()), this, [this, folder] { removeFolder(folder); });
  });
  for (QComboBox* box : {ui.teamCombo, ui.opponentCombo})
    connect(box, &QComboBox::currentTextChanged, this, [this] { takeFilter(); });
  for (QLineEdit* edit : {ui.fromEdit, ui.toEdit})
    connect(edit, &QLineEdit::editingFinished, this, [this] { takeFilter(); });
  connect(ui.matchTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (showing_ || item->column() != 0) return;
    const size_t i = item->data(Qt::UserRole).toULongLong();
    model_->setLeftOut(i, item->checkState() != Qt::Checked);
    showAll();
  });
  connect(ui.playerTable, &QTableWidget::currentCellChanged, this, [this] { showAppearances(); });
  connect(ui.joinButton, &QPushButton::clicked, this, [this] { joinChosen(); });
  connect(ui.unjoinButton, &QPushButton::clicked, this, [this] { unjoinChosen(); });
  connect(ui.partButton, &QPushButton::clicked, this, [this] { partChosen(); });
  connect(ui.xlsxButton, &QPushButton::clicked, this, [this] {
    const QString path =
        QFileDialog::getSaveFileName(this, "Excel書き出し", QString(), "Excel (*.xlsx)");
    if (!path.isEmpty()) exportWorkbook(path.toStdString());
  });
  connect(ui.pdfButton, &QPushButton::clicked, this, [this] {
    const QString path =
        QFileDialog::getSaveFileName(this, "PDF書き出し", QString(), "PDF (*.pdf)");
    if (!path.isEmpty()) exportReport(path.toStdString());
  });
  showAll();
}

SeasonWindow::~SeasonWindow() = default;

void SeasonWindow::reload() {
  model_->reload(heldHere_ ? heldHere_() : std::vector<FileIdentity>{});
  showAll();
}

void SeasonWindow::addFolder(const fs::path& folder) {
  model_->addFolder(folder);
  saveFolders();
  showAll();
}

void SeasonWindow::removeFolder(const fs::path& folder) {
  model_->removeFolder(folder);
  saveFolders();
  showAll();
}

void SeasonWindow::saveFolders() {
  QStringList added;
  for (const fs::path& f : model_->folders())
    if (f != model_->dataFolder()) added << qs(f.string());
  QSettings().setValue(kFoldersKey, added);
}

void SeasonWindow::takeFilter() {
  if (showing_) return;
  SeasonFilter f;
  f.team = ui.teamCombo->currentText().toStdString();
  f.opponent = ui.opponentCombo->currentText().toStdString();
  f.from = ui.fromEdit->text().trimmed().toStdString();
  f.to = ui.toEdit->text().trimmed().toStdString();
  if (seasonName(f.team) == seasonName(model_->filter().team) &&
      f.opponent == model_->filter().opponent && f.from == model_->filter().from &&
      f.to == model_->filter().to)
    return;
  model_->setFilter(f);
  showAll();
}

void SeasonWindow::showAll() {
  showing_ = true;
  QStringList names;
  for (const std::string& name : model_->teams()) names << qs(name);
  for (QComboBox* box : {ui.teamCombo, ui.opponentCombo}) {
    const QString typed = box->currentText();
    box->clear();
    box->addItem(QString());
    box->addItems(names);
    box->setCurrentText(typed);
  }
  // The team the season is of when none is typed.
  ui.teamCombo->lineEdit()->setPlaceholderText(qs(model_->team()));
  QStringList folders;
  for (const fs::path& f : model_->folders()) folders << qs(f.string());
  ui.foldersLabel->setText("フォルダ: " + folders.join("  "));
  ui.removeFolderButton->setEnabled(model_->folders().size() > 1);
  showMatches();
  showTeam();
  showPlayers();
  showing_ = false;
  const SeasonFigures& s = model_->figures();
  ui.statusLabel->setText(s.team.empty() ? QString("試合がありません")
                                         : QString("%1  %2試合  %3人")
                                               .arg(qs(s.team))
                                               .arg(s.totals.matches)
                                               .arg(s.players.size()));
  ui.xlsxButton->setEnabled(!s.matches.empty());
  ui.pdfButton->setEnabled(!s.matches.empty());
}

void SeasonWindow::showMatches() {
  const std::vector<SeasonFile>& files = model_->files();
  int unreadable = 0;
  refill(ui.matchTable, static_cast<int>(files.size()), [&](int r) {
    const SeasonFile& f = files[r];
    auto* chosen = new QTableWidgetItem;
    chosen->setData(Qt::UserRole, static_cast<qulonglong>(r));
    if (f.readable()) {
      chosen->setCheckState(model_->chosen(r) ? Qt::Checked : Qt::Unchecked);
      // Only what the filter admits can be taken in or left out.
      if (!SeasonFilter(model_->filter()).admits(f)) chosen->setFlags(Qt::ItemIsSelectable);
    } else {
      chosen->setFlags(Qt::ItemIsSelectable);
      ++unreadable;
    }
    ui.matchTable->setItem(r, 0, chosen);
    ui.matchTable->setItem(r, 1, textItem(qs(f.started)));
    ui.matchTable->setItem(r, 2, textItem(qs(f.teams[0])));
    ui.matchTable->setItem(
        r, 3,
        numberItem(f.goals[0] * 1000 + f.goals[1],
                   f.readable() ? QString("%1 - %2").arg(f.goals[0]).arg(f.goals[1]) : ""));
    ui.matchTable->setItem(r, 4, textItem(qs(f.teams[1])));
    ui.matchTable->setItem(r, 5, numberItem(f.events));
    ui.matchTable->setItem(r, 6, numberItem(f.version));
    QString state = !f.readable() ? qs(f.problem) : f.ended ? "終了" : "途中";
    if (f.readable() && !f.copyOf.empty()) state += "  重複 (同じ試合の別のファイルを使用)";
    QTableWidgetItem* stateItem = textItem(state);
    if (!f.copyOf.empty()) stateItem->setToolTip(qs(f.copyOf.string()));
    ui.matchTable->setItem(r, 7, stateItem);
    ui.matchTable->setItem(r, 8, textItem(qs(f.path.string())));
  });
  ui.matchSummaryLabel->setText(QString("%1 ファイル  シーズン %2 試合  読み取れないファイル %3")
                                    .arg(files.size())
                                    .arg(model_->figures().totals.matches)
                                    .arg(unreadable));
}

void SeasonWindow::showTeam() {
  const SeasonFigures& s = model_->figures();
  const std::vector<FigureLine> lines = teamFigureLines(s.totals);
  refill(ui.teamTable, static_cast<int>(lines.size()), [&](int r) {
    const FigureLine& l = lines[r];
    ui.teamTable->setItem(r, 0, textItem(qs(l.caption)));
    ui.teamTable->setItem(r, 1, numberItem(l.total));
    const auto avg = l.averaged ? perMatch(l.total, s.totals.matches) : std::nullopt;
    ui.teamTable->setItem(r, 2,
                          numberItem(avg.value_or(0), avg ? QString::number(*avg, 'f', 1) : "-"));
    ui.teamTable->setItem(r, 3, textItem(rateText(l.rate)));
  });
  const std::vector<TrendPoint> trend = s.trend();
  refill(ui.matchFiguresTable, static_cast<int>(s.matches.size()), [&](int r) {
    const SeasonMatch& m = s.matches[r];
    const QStringList cells = {qs(m.file->started.substr(0, 16)),
                               qs(m.opponent),
                               qs(m.scoreText()),
                               resultWord(m),
                               rateText(trend[r][0]),
                               rateText(trend[r][1]),
                               rateText(trend[r][2]),
                               rateText(trend[r][3])};
    for (int c = 0; c < cells.size(); ++c) ui.matchFiguresTable->setItem(r, c, textItem(cells[c]));
  });
  trend_->setTrend(trend);
  shotChart_->setMarks(s.shotChart);
  zoneMap_->setCells(zoneCells(s.totals.totals.shots.byZone));
  saveMap_->setCells(saveCells(s.totals.totals.goalkeeper));
}

void SeasonWindow::showPlayers() {
  const SeasonFigures& s = model_->figures();
  // The person chosen stays chosen, by name, when the table is filled anew.
  const int current = ui.playerTable->currentRow();
  const QTableWidgetItem* name = current < 0 ? nullptr : ui.playerTable->item(current, 1);
  const QString chosen = name ? name->text() : QString();
  refill(ui.playerTable, static_cast<int>(s.players.size()), [&](int r) {
    const SeasonPlayer& p = s.players[r];
    const PersonFigures& f = p.totals;
    auto* number = shirtItem(p.number);
    number->setData(Qt::UserRole, r);
    ui.playerTable->setItem(r, 0, number);
    ui.playerTable->setItem(r, 1, textItem(qs(p.person)));
    ui.playerTable->setItem(r, 2, numberItem(p.matches()));
    ui.playerTable->setItem(r, 3, numberItem(f.shots.total.goals));
    ui.playerTable->setItem(r, 4, numberItem(f.shots.total.shots));
    ui.playerTable->setItem(
        r, 5, numberItem(f.shots.total.rate().value_or(-1), rateText(f.shots.total.rate())));
    ui.playerTable->setItem(r, 6, textItem(qs(goalsOverShots(f.shots.penalty()))));
    ui.playerTable->setItem(r, 7, numberItem(f.assists));
    ui.playerTable->setItem(r, 8, numberItem(f.lost));
    ui.playerTable->setItem(r, 9, numberItem(f.suspensions));
    ui.playerTable->setItem(r, 10,
                            numberItem(f.keeping.total.rate().value_or(-1),
                                       f.keeps() ? rateText(f.keeping.total.rate()) : ""));
    QStringList entries;
    for (const std::string& e : p.entries) entries << qs(e);
    ui.playerTable->setItem(r, 11, textItem(entries.join(", ")));
  });
  for (int row = 0; row < ui.playerTable->rowCount(); ++row)
    if (!chosen.isEmpty() && ui.playerTable->item(row, 1)->text() == chosen)
      ui.playerTable->setCurrentCell(row, 1);
  showAppearances();
}

const SeasonPlayer* SeasonWindow::currentPlayer() const {
  const int row = ui.playerTable->currentRow();
  const QTableWidgetItem* item = row < 0 ? nullptr : ui.playerTable->item(row, 0);
  if (!item) return nullptr;
  const int index = item->data(Qt::UserRole).toInt();
  const auto& players = model_->figures().players;
  return index >= 0 && index < static_cast<int>(players.size()) ? &players[index] : nullptr;
}

void SeasonWindow::showAppearances() {
  const SeasonFigures& s = model_->figures();
  const SeasonPlayer* p = currentPlayer();
  const int rows = p ? p->matches() : 0;
  refill(ui.appearanceTable, rows, [&](int r) {
    const SeasonPlayer::Appearance& a = p->appearances[r];
    const SeasonMatch& m = s.matches[a.match];
    const PersonFigures& f = m.team.persons[a.slot];
    ui.appearanceTable->setItem(r, 0, textItem(qs(m.file->started)));
    ui.appearanceTable->setItem(r, 1, textItem(qs(m.opponent)));
    ui.appearanceTable->setItem(r, 2, textItem(qs(a.entry)));
    ui.appearanceTable->setItem(r, 3, shirtItem(f.number));
    ui.appearanceTable->setItem(r, 4, numberItem(f.shots.total.goals));
    ui.appearanceTable->setItem(r, 5, numberItem(f.shots.total.shots));
  });
}

void SeasonWindow::tryChoice(const std::function<void()>& choice) {
  try {
    choice();
  } catch (const UserError& e) {
    showErrorBox(this, QString::fromUtf8(e.what()));
  }
  showAll();
}

void SeasonWindow::joinChosen() {
  const auto& players = model_->figures().players;
  std::vector<const SeasonPlayer*> chosen;
  for (const QModelIndex& index : ui.playerTable->selectionModel()->selectedRows())
    chosen.push_back(&players[ui.playerTable->item(index.row(), 0)->data(Qt::UserRole).toInt()]);
  if (chosen.size() < 2) {
    showErrorBox(this, "統合する選手を 2 人以上選んでください");
    return;
  }
  const SeasonPlayer* into = *std::max_element(
      chosen.begin(), chosen.end(),
      [](const SeasonPlayer* a, const SeasonPlayer* b) { return a->matches() < b->matches(); });
  std::vector<std::string> others;
  for (const SeasonPlayer* p : chosen)
    if (p != into) others.push_back(p->person);
  const std::string target = into->person;
  tryChoice([&] {
    for (const std::string& person : others) model_->join(person, target);
  });
}

void SeasonWindow::unjoinChosen() {
  const SeasonPlayer* p = currentPlayer();
  if (!p) return;
  const std::string person = p->person;
  tryChoice([&] { model_->unjoin(person); });
}

void SeasonWindow::partChosen() {
  const SeasonPlayer* p = currentPlayer();
  const int row = ui.appearanceTable->currentRow();
  if (!p || row < 0 || row >= p->matches()) {
    showErrorBox(this, "分離する試合を選んでください");
    return;
  }
  const SeasonPlayer::Appearance a = p->appearances[row];
  const std::string match = model_->figures().matches[a.match].file->started;
  tryChoice([&] { model_->togglePart(a.entry, match); });
}

void SeasonWindow::exportWorkbook(const std::string& path) {
  try {
    writeSeasonWorkbook(model_->figures(), path);
    ui.statusLabel->setText("書き出しました: " + qs(path));
  } catch (const UserError& e) {
    showErrorBox(this, QString::fromUtf8(e.what()));
  }
}

void SeasonWindow::exportReport(const std::string& path) {
  try {
    writeSeasonReport(model_->figures(), path);
    ui.statusLabel->setText("書き出しました: " + qs(path));
  } catch (const UserError& e) {
    showErrorBox(this, QString::fromUtf8(e.what()));
  }
}
