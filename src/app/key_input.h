// Keys pressed in any window of the program go to the keyboard entry, which
// takes the step they stand for now (key_entry.h); the result shows in
// every window as after a click. Keys typed into a box or a cell of the team
// sheet stay there. The keys are looked at before the control in focus gets
// them: a log view, for one, would take a letter to search its rows.
#pragma once

#include <QObject>
#include <string>

class QKeyEvent;
class QWidget;
class WindowSet;

// The key's name as the keymap writes it, "" for a modifier alone.
std::string keyName(const QKeyEvent& key);
// Whether `focus` takes typed text, so that a key pressed there is typing
// and no step: boxes, and the roster grid with or without its cell editor.
bool takesText(const QWidget* focus);

class KeyInput : public QObject {
 public:
  // Watches the key presses of the application's windows for those of
  // `windows`.
  explicit KeyInput(WindowSet& windows);
  ~KeyInput() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WindowSet& windows_;
};
