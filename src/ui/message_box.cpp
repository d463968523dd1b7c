#include "message_box.h"

#include <QMessageBox>

QString errorBoxText(const QString& message) {
  if (!message.isEmpty()) {
    const char32_t last = message.toUcs4().back();
    if (last <= U'.') return message;
  }
  return message + QLatin1Char('.');
}

void showErrorBox(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Critical, kProgramTitle, errorBoxText(message), QMessageBox::Ok,
                  parent);
  box.setObjectName(QStringLiteral("errorBox"));
  box.exec();
}
