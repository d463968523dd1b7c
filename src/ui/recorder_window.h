// What every window of the program shares: its stored appearance, the way its
// handlers run (errors go to the error box, then every window is redrawn
// from the model) and its close box.
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

#include "keymap.h"
#include "screen.h"

enum class Frame { Tool, Sizeable, None };

struct StoredAppearance {
  QString caption;
  QPoint position;
  QSize size;
  bool sizeIsClient = true;  // otherwise the whole window, frame included
  QColor colour;
  Frame frame = Frame::Tool;
  bool crossHatch = false;
};

// A control that a key stands for: its legend shows the step's key.
struct KeyedControl {
  QWidget* control;
  int step;  // in keySteps()
};

class RecorderWindow : public QWidget {
  Q_OBJECT

 public:
  RecorderWindow(Screen& screen, WindowId id);

  WindowId windowId() const { return id_; }
  Screen& screen() { return screen_; }
  Match& match() { return screen_.match(); }
  const StoredAppearance& storedAppearance() const { return stored_; }

  // Redraws the controls from the match and the screen.
  virtual void refresh() = 0;
  // The controls whose step has a key.
  virtual std::vector<KeyedControl> keyedControls() const { return {}; }

  // Runs a handler body: a UserError shows the error box (over
  // `boxParent`, or this window) and the program carries on; afterwards
  // every window is redrawn.
  void handle(const std::function<void()>& body, QWidget* boxParent = nullptr);

  // What runs after every handler; the window set redraws every window.
  void setAfterHandler(std::function<void()> afterHandler) {
    afterHandler_ = std::move(afterHandler);
  }

 protected:
  void applyStoredAppearance(const StoredAppearance& stored);
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Screen& screen_;
  WindowId id_;
  StoredAppearance stored_;
  std::function<void()> afterHandler_;
};

// Sets a widget's text only when it differs, so that typing is not disturbed.
void setTextIfChanged(class QLineEdit* edit, const std::string& text);
QString qs(const std::string& text);
