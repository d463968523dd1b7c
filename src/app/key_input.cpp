#include "key_input.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

#include "window_set.h"

std::string keyName(const QKeyEvent& key) {
  switch (key.key()) {
    case 0:
    case Qt::Key_unknown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
      return {};
    default:
      break;
  }
  const Qt::KeyboardModifiers modifiers =
      key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                         Qt::MetaModifier | Qt::KeypadModifier);
  return QKeySequence(QKeyCombination(modifiers, Qt::Key(key.key())))
      .toString(QKeySequence::PortableText)
      .toStdString();
}

bool takesText(const QWidget* focus) {
  if (!focus) return false;
  if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QTextEdit*>(focus) ||
      qobject_cast<const QPlainTextEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus))
    return true;
  // A grid whose cells open their editor at the first key typed.
  const auto* grid = qobject_cast<const QAbstractItemView*>(focus);
  return grid && grid->editTriggers().testFlag(QAbstractItemView::AnyKeyPressed);
}

KeyInput::KeyInput(WindowSet& windows) : windows_(windows) {
  QCoreApplication::instance()->installEventFilter(this);
}

KeyInput::~KeyInput() {
  QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyInput::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  // A key press goes to the control in focus, then to its parents while
  // they leave it; it is looked at where it arrives first, or at a window
  // it is sent to.
  auto* receiver = static_cast<QWidget*>(watched);
  if (receiver != QApplication::focusWidget() && !receiver->isWindow()) return false;
  QWidget* window = receiver->window();
  if (!windows_.owns(window)) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // A key on the splash does what a click does, and no more.
  if (window == windows_.splash()) {
    if (!keyName(*key).empty()) windows_.splash()->dismiss();
    return true;
  }
  // In a box or a cell only keys that type nothing may take a step: function
  // keys, keys held with Ctrl or Meta (boxes take no character with them),
  // and keys held with Alt that give no character (AltGr comes as Ctrl+Alt
  // with the character it types on some keyboards).
  const bool typing = takesText(receiver->isWindow() ? receiver->focusWidget() : receiver);
  const QString text = key->text();
  const bool printable = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
  const bool control = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  const bool alt = key->modifiers() & Qt::AltModifier;
  const bool typesNothing = (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35) ||
                            (control && !alt) || ((control || alt) && !printable);
  if (typing && !typesNothing) return false;

  const KeyEntry& keys = windows_.keyEntry();
  std::string name = keyName(*key);
  // A sign or digit that needs Shift on this keyboard is known by its own name.
  const bool letter = key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
  if (!keys.maps(name) && key->modifiers().testFlag(Qt::ShiftModifier) && !letter)
    name = keyName(QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier));
  if (name.empty() || !keys.maps(name)) return false;
  // A key held down takes its step once.
  if (!key->isAutoRepeat()) windows_.pressKey(window, name);
  return true;
}
