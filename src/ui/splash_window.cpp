#include "splash_window.h"

#include <QMouseEvent>

#include "fonts.h"

SplashWindow::SplashWindow(Screen& screen) : RecorderWindow(screen, WindowId::Splash) {
  ui.setupUi(this);
  applyStoredAppearance(
      {QString(), {284, 170}, {547, 377}, true, QColor(0, 0, 128), Frame::None, false});
  QPalette white = palette();
  white.setColor(QPalette::WindowText, Qt::white);
  const struct {
    QLabel* label;
    QString family;
    int height;
  } labels[] = {
      {ui.titleLabel, kMincho, 48},       {ui.producedByLabel, kSerif, 24},
      {ui.firstAuthorLabel, kSerif, 24},  {ui.secondAuthorLabel, kSerif, 24},
      {ui.universityLabel, kSerif, 32},   {ui.mailToLabel, kSerif, 24},
      {ui.firstAddressLabel, kSerif, 24}, {ui.secondAddressLabel, kSerif, 24},
  };
  for (const auto& l : labels) {
    l.label->setFont(designFont(l.family, l.height));
    l.label->setPalette(white);
    l.label->adjustSize();  // labels size themselves to their text
    l.label->installEventFilter(this);
  }
  ui.emblemPicture->installEventFilter(this);
}

// A click on any label or on the emblem does what a click on the background does.
bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    dismiss();
    return true;
  }
  return RecorderWindow::eventFilter(watched, event);
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
  dismiss();
}

void SplashWindow::dismiss() {
  handle([&] { screen().closeSplash(); });
}
