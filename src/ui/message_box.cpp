#include "message_box.h"

#include <QPushButton>

QString errorBoxText(const QString& message) {
  if (!message.isEmpty()) {
    const char32_t last = message.toUcs4().back();
    if (last <= U'.') return message;
  }
  return message + QLatin1Char('.');
}

void showErrorBox(QWidget* parent, const QString& message) {
  const QString text = errorBoxText(message);
  if (BoxAnswers* answers = BoxAnswers::current()) {
    answers->answer(QMessageBox::Critical, text, QMessageBox::Ok);
    return;
  }
  QMessageBox box(QMessageBox::Critical, kProgramTitle, text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("errorBox"));
  box.exec();
}

bool askYesNo(QWidget* parent, const QString& question, QMessageBox::StandardButton preset) {
  if (BoxAnswers* answers = BoxAnswers::current())
    return answers->answer(QMessageBox::Question, question, preset) == QMessageBox::Yes;
  QMessageBox box(QMessageBox::Question, kProgramTitle, question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setObjectName(QStringLiteral("questionBox"));
  box.setDefaultButton(preset);
  // The buttons speak the program's language whatever the system's is.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
  return box.exec() == QMessageBox::Yes;
}

void showNotice(QWidget* parent, const QString& message) {
  if (BoxAnswers* answers = BoxAnswers::current()) {
    answers->answer(QMessageBox::Information, message, QMessageBox::Ok);
    return;
  }
  QMessageBox box(QMessageBox::Information, kProgramTitle, message, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("noticeBox"));
  box.exec();
}

BoxAnswers::BoxAnswers(Seen seen) : previous_(current_), seen_(std::move(seen)) {
  current_ = this;
}

BoxAnswers::~BoxAnswers() {
  current_ = previous_;
}

QMessageBox::StandardButton BoxAnswers::answer(QMessageBox::Icon icon, const QString& text,
                                               QMessageBox::StandardButton unqueued) {
  if (seen_) seen_(icon, text);
  if (queued_.empty()) return unqueued;
  const QMessageBox::StandardButton next = queued_.front();
  queued_.pop_front();
  return next;
}
