// Starts the program: the keymap from the user's configuration folder, the
// window set, then the message loop until the team sheet is closed.
#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include "fonts.h"
#include "keymap_file.h"
#include "window_set.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("handball"));
  app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  app.setQuitOnLastWindowClosed(false);
  registerFontSubstitutions();
  const std::string keymapPath =
      (QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/keymap.txt")
          .toStdString();
  const KeymapFile keymap = loadKeymapFile(keymapPath);
  WindowSet windows(WindowSet::Showing::TeamSheetFirst, keymap.keymap);
  windows.start();
  windows.reportKeymapProblems(keymapPath, keymap.problems);
  return app.exec();
}
