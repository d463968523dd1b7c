// The error box: error icon, OK button, the program's title.
#pragma once

#include <QString>

class QWidget;

inline const QString kProgramTitle = QStringLiteral("handball");

// The message followed by "." unless its last character's code is at or
// below that of ".".
QString errorBoxText(const QString& message);
void showErrorBox(QWidget* parent, const QString& message);
