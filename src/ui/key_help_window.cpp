#include "key_help_window.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// How a person and an event are typed, with the keys of this keymap.
QString howTo(const Keymap& keymap) {
  auto key = [&](const char* step) {
    const auto& keys = keymap.keys(*keyStepIndex(step));
    return keys.empty() ? QStringLiteral("(なし)") : qs(keys.front());
  };
  return QStringLiteral(
             "1 つの出来事は、チームのキー、背番号、動作のキー、場所、ゴールの位置 "
             "(または詳細) の順に打ちます。例: チーム1 の 7 番の得点を右45 から右上に: "
             "%1 7 %2 %3 %4。背番号が片方のチームにしかなければ、チームのキーは省けます。"
             "監督はチームのキーの後に %5、番号の打てない行はチームのキーの後に %6 と行の番号。"
             "%7 は一つ前に戻します。")
      .arg(key("team1"), key("action.goal"), key("place.right-back"), key("zone.top-right"),
           key("official"), key("line"), key("correct"));
}

}  // namespace

KeyHelpWindow::KeyHelpWindow()
    : QWidget(nullptr, Qt::Tool), table_(new QTableWidget(this)), source_(new QLabel(this)) {
  setObjectName(QStringLiteral("keyHelpWindow"));
  setWindowTitle(QStringLiteral("キーの一覧"));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(this);
  intro->setObjectName(QStringLiteral("howTo"));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  table_->setColumnCount(3);
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("場面"), QStringLiteral("操作"), QStringLiteral("キー")});
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_);
  source_->setWordWrap(true);
  source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(source_);
  resize(560, 640);
}

void KeyHelpWindow::setKeymap(const Keymap& keymap) {
  findChild<QLabel*>(QStringLiteral("howTo"))->setText(howTo(keymap));
  const auto& steps = keySteps();
  table_->setRowCount(static_cast<int>(steps.size()));
  for (size_t i = 0; i < steps.size(); ++i) {
    QStringList keys;
    for (const std::string& key : keymap.keys(static_cast<int>(i))) keys << qs(key);
    const int row = static_cast<int>(i);
    // Each heading once, over the steps under it.
    const bool first = i == 0 || steps[i].group != steps[i - 1].group;
    table_->setItem(row, 0, new QTableWidgetItem(first ? qs(groupTitle(steps[i].group)) : ""));
    table_->setItem(row, 1, new QTableWidgetItem(qs(steps[i].caption)));
    table_->setItem(row, 2, new QTableWidgetItem(keys.join(QStringLiteral(", "))));
  }
}

void KeyHelpWindow::setSource(const std::string& path, const std::vector<std::string>& problems) {
  QString text =
      path.empty() ? QStringLiteral("既定のキー") : QStringLiteral("キーの設定: %1").arg(qs(path));
  if (!problems.empty()) text += QStringLiteral("\n使わなかった行:");
  for (const std::string& problem : problems) text += QStringLiteral("\n  %1").arg(qs(problem));
  source_->setText(text);
}

void KeyHelpWindow::toggle() {
  if (isVisible() && isActiveWindow()) {
    hide();
    return;
  }
  if (!isVisible()) {
    // Beside the windows of the program where the screen has room.
    const QRect room = QApplication::primaryScreen()->availableGeometry();
    move(std::max(room.left(), room.right() - width() - 20), room.top() + 40);
  }
  show();
  raise();
  activateWindow();
}
