// A recorder that a test kills: the program's windows with the match kept
// in the data folder given, a match script clicked through them, and a line
// on standard output after each event ("events N") and at the end ("done").
// The time of day moves only with the script, so that the events recorded
// are the same in every run.
//   kept_recorder SCRIPT DATA_FOLDER
#include <QApplication>
#include <iostream>

#include "window_operator.h"

namespace {

class TellingOperator : public WindowOperator {
 public:
  using WindowOperator::WindowOperator;
  void recordEvent(int team, int slot, int action, const std::string& where, int whereCode,
                   const std::string& what, int whatCode) override {
    WindowOperator::recordEvent(team, slot, action, where, whereCode, what, whatCode);
    std::cout << "events " << ++events_ << std::endl;
  }

 private:
  int events_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: kept_recorder SCRIPT DATA_FOLDER\n";
    return 2;
  }
  double clockSeconds = 10 * 3600;
  WindowSet windows;
  windows.match().timeOfDay = [&] { return clockSeconds / 86400.0; };
  windows.start();
  windows.keepIn(argv[2]);
  TellingOperator op(windows, clockSeconds);
  runMatchScript(op, argv[1]);
  std::cout << "done" << std::endl;
  return app.exec();
}
