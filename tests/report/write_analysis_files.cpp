// Plays a match script and writes its workbook and report under a stem:
//   write_analysis_files SCRIPT STEM
// for the checks that read the files back with other tools.
#include <QGuiApplication>
#include <iostream>

#include "match_script.h"
#include "save_analysis.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: write_analysis_files SCRIPT STEM\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    ScriptedMatch scripted;
    playMatchScript(scripted.screen, argv[1]);
    scripted.match.fileStem = argv[2];
    saveAnalysisFiles(scripted.match);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
