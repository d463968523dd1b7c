// The window flow's screen as the match file keeps it: the flow's window
// ids and state turned into the file's own numbers and back, so that
// neither the flow nor the file depends on the other's numbering.
#pragma once

#include "screen.h"
#include "stored_screen.h"

StoredScreen storedScreen(const ScreenState& s);
ScreenState screenState(const StoredScreen& s);
inline StoredScreen storedScreen(const Screen& s) {
  return storedScreen(s.state());
}

// What a match's safekeeping reads and restores: this screen.
class ScreenInFile final : public KeptScreen {
 public:
  explicit ScreenInFile(Screen& s) : s_(s) {}
  StoredScreen stored() const override { return storedScreen(s_); }
  void restore(const StoredScreen& s) override { s_.restore(screenState(s)); }

 private:
  Screen& s_;
};
