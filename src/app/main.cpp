// Starts the program, or with --season writes a season's files and ends
// (season_command.h). The program: the keymap from the user's configuration folder, a
// match left unfinished offered back (or the match file named on the
// command line opened), the window set, then the message loop until the
// team sheet is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <iostream>

#include "fonts.h"
#include "keymap_file.h"
#include "season_command.h"
#include "start_up.h"
#include "window_set.h"

int main(int argc, char* argv[]) {
  // The season's files are written without a window, and without a display.
  if (asksForSeason(argc, argv)) return seasonMain(argc, argv);
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("handball"));
  app.setDesktopFileName(QStringLiteral("jp.handball.Recorder"));
  app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  app.setQuitOnLastWindowClosed(false);
  registerFontSubstitutions();
  // The program speaks Japanese whatever the desktop's language, Qt's own
  // dialogs too when its translations are installed.
  QTranslator qtWords;
  if (qtWords.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&qtWords);

  QCommandLineParser options;
  options.addHelpOption();
  options.addPositionalArgument(QStringLiteral("file"), QStringLiteral("a match file (.hbmatch)"));
  const QCommandLineOption video(QStringLiteral("video"),
                                 QStringLiteral("the match's video, opened beside it"),
                                 QStringLiteral("FILE"));
  options.addOption(video);
  options.process(app);
  std::optional<std::filesystem::path> file;
  if (!options.positionalArguments().isEmpty())
    file = options.positionalArguments().front().toStdString();

  const std::string keymapPath =
      (QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/keymap.txt")
          .toStdString();
  const KeymapFile keymap = loadKeymapFile(keymapPath);
  const std::filesystem::path dataFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  // A match file given is opened instead of the one left unfinished, which
  // stays to be offered at the next start.
  const std::optional<RestorableMatch> restore =
      file ? std::nullopt : askToRestore(dataFolder, std::cerr);

  WindowSet windows(WindowSet::Showing::TeamSheetFirst, keymap.keymap);
  windows.start();
  if (!beginKeeping(windows, dataFolder, restore, file)) return 1;
  windows.reportKeymapProblems(keymapPath, keymap.problems);
  if (options.isSet(video)) windows.openVideo(options.value(video).toStdString());
  return app.exec();
}
