// What the test and benchmark programs that run windows share: the offscreen
// platform, without its note on every raise.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

#include "fonts.h"

namespace offscreen {

inline QtMessageHandler defaultHandler = nullptr;

// The offscreen platform cannot raise windows and says so at every raise.
inline void quietHandler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (message.contains(QLatin1String("does not support raise"))) return;
  defaultHandler(type, context, message);
}

// Call before the application object is made. Settings the windows keep go
// to a folder of this run, so that no run sees another's.
inline void prepare() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  defaultHandler = qInstallMessageHandler(quietHandler);
}

// Call once the application object exists.
inline void setUp(QApplication& app) {
  app.setQuitOnLastWindowClosed(false);
  registerFontSubstitutions();
}

}  // namespace offscreen
