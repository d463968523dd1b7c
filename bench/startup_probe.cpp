// Started by the start-up benchmark. Brings up the program's windows until
// the team sheet is on screen ("program"), a bare window of the team sheet's
// size ("bare"), or that bare window with one line of Japanese text
// ("text"). It writes "painted" to standard output at the first paint, then
// its peak resident memory in KiB once every window is built, and ends.
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "fonts.h"
#include "window_set.h"

namespace {

long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// At the first paint of a window writes a line at once; once the event
// loop runs, with every window built, the peak memory follows and the
// process ends without tearing the windows down, which is no part of
// start-up.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      seen_ = true;
      std::printf("painted\n");
      std::fflush(stdout);
      QTimer::singleShot(0, [] {
        std::printf("%ld\n", peakResidentKiB());
        std::fflush(stdout);
        _exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const std::string mode = argc > 1 ? argv[1] : "program";
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  FirstPaint firstPaint;
  std::unique_ptr<QWidget> plain;
  std::unique_ptr<WindowSet> windows;
  if (mode == "program") {
    // As the program starts (src/app/main.cpp).
    app.setApplicationName(QStringLiteral("handball"));
    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    registerFontSubstitutions();
    qApp->installEventFilter(&firstPaint);  // the team sheet is painted while it is built
    windows = std::make_unique<WindowSet>(WindowSet::Showing::TeamSheetFirst);
    windows->start();
  } else {
    plain = std::make_unique<QWidget>();
    plain->resize(742, 523);
    if (mode == "text") new QLabel(QStringLiteral("データ入力"), plain.get());
    plain->installEventFilter(&firstPaint);
    plain->show();
  }
  return app.exec();
}
