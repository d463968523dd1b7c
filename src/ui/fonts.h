// The fonts the windows are designed with, and stand-ins for them.
#pragma once

#include <QFont>
#include <QString>

inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");
inline const QString kSerif = QStringLiteral("MS Serif");

// Maps the design fonts onto the IPA fonts and a Latin serif font.
void registerFontSubstitutions();

// A font of the given family and height in pixels.
QFont designFont(const QString& family, int pixelHeight, bool italic = false);
