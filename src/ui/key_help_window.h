// The key list: every step with its keys, from the keymap in use, with the
// keymap file's place and any of its lines that were not taken. Any window
// opens it with the help key; the same key closes it again.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "keymap.h"

class QLabel;
class QTableWidget;

class KeyHelpWindow : public QWidget {
  Q_OBJECT

 public:
  KeyHelpWindow();

  void setKeymap(const Keymap& keymap);
  // The file the keymap came from ("" for none) and the lines of it that
  // were not taken.
  void setSource(const std::string& path, const std::vector<std::string>& problems);
  // Shows it in front, or hides it when it is in front already.
  void toggle();

  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_;
  QLabel* source_;
};
