// Starts the program: the window set, then the message loop until the team
// sheet is closed.
#include <QApplication>
#include <QIcon>

#include "fonts.h"
#include "window_set.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("handball"));
  app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  app.setQuitOnLastWindowClosed(false);
  registerFontSubstitutions();
  WindowSet windows(WindowSet::Showing::TeamSheetFirst);
  windows.start();
  return app.exec();
}
