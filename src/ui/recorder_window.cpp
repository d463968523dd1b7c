#include "recorder_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QWindow>

#include "fonts.h"
#include "message_box.h"
#include "user_error.h"

RecorderWindow::RecorderWindow(Screen& screen, WindowId id)
    : QWidget(nullptr), screen_(screen), id_(id) {}

void RecorderWindow::applyStoredAppearance(const StoredAppearance& stored) {
  stored_ = stored;
  Qt::WindowFlags flags = Qt::Window;
  switch (stored.frame) {
    case Frame::Tool:
      flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case Frame::Sizeable:
      flags = Qt::Window;
      break;
    case Frame::None:
      flags = Qt::Window | Qt::FramelessWindowHint;
      break;
  }
  setWindowFlags(flags);
  setWindowTitle(stored.caption);
  setFont(designFont(kPGothic, 12));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, stored.colour);
  setPalette(palette);
  setAutoFillBackground(!stored.crossHatch);
  // Panels without a colour of their own are button-face, not the window's.
  for (QLabel* panel : findChildren<QLabel*>()) {
    if (panel->frameShape() != QFrame::Panel || !panel->styleSheet().isEmpty()) continue;
    QPalette face = panel->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    panel->setPalette(face);
    panel->setAutoFillBackground(true);
  }
  move(stored.position);
  resize(stored.size);
  if (stored.frame == Frame::Tool || stored.frame == Frame::None) setFixedSize(stored.size);
}

void RecorderWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stored_.sizeIsClient || !windowHandle()) return;
  // The stored size includes the frame, which only the platform knows.
  const QMargins frame = windowHandle()->frameMargins();
  const QSize client = stored_.size.shrunkBy(frame);
  if (size() != client) resize(client);
}

void RecorderWindow::paintEvent(QPaintEvent* event) {
  if (stored_.crossHatch) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect(), QBrush(stored_.colour, Qt::CrossPattern));
  }
  QWidget::paintEvent(event);
}

void RecorderWindow::closeEvent(QCloseEvent* event) {
  // Windows are never destroyed; the open event decides whether the close
  // box may hide this one.
  event->ignore();
  handle([this] { screen_.requestClose(id_); });
}

void RecorderWindow::handle(const std::function<void()>& body, QWidget* boxParent) {
  try {
    body();
  } catch (const UserError& error) {
    if (afterHandler_) afterHandler_();
    showErrorBox(boxParent ? boxParent : this, QString::fromStdString(error.what()));
  }
  if (afterHandler_) afterHandler_();
}

void setTextIfChanged(QLineEdit* edit, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (edit->text() != value) edit->setText(value);
}

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}
