#include "screen_in_file.h"

#include <iterator>
#include <utility>

namespace {

// Window by window, by name: the two numberings need not agree.
constexpr std::pair<WindowId, StoredWindow> kWindows[] = {
    {WindowId::TeamSheet, StoredWindow::TeamSheet},
    {WindowId::Match, StoredWindow::Match},
    {WindowId::Court, StoredWindow::Court},
    {WindowId::KeepMiss, StoredWindow::KeepMiss},
    {WindowId::PenaltyThrow, StoredWindow::PenaltyThrow},
    {WindowId::Foul, StoredWindow::Foul},
    {WindowId::TimeOut, StoredWindow::TimeOut},
    {WindowId::Splash, StoredWindow::Splash},
    {WindowId::Analysis, StoredWindow::Analysis},
};
static_assert(std::size(kWindows) == kWindowCount && kWindowCount == kStoredWindows);

StoredWindow toStored(WindowId w) {
  for (const auto& [id, stored] : kWindows)
    if (id == w) return stored;
  return StoredWindow::TeamSheet;  // not reached: every window is listed
}

WindowId fromStored(StoredWindow w) {
  for (const auto& [id, stored] : kWindows)
    if (stored == w) return id;
  return WindowId::TeamSheet;  // not reached: the file's reader refuses others
}

}  // namespace

StoredScreen storedScreen(const ScreenState& s) {
  StoredScreen st;
  for (const auto& [id, stored] : kWindows)
    if (s.visible[static_cast<int>(id)]) st.visible |= windowBit(stored);
  for (WindowId w : s.frontOrder) st.frontOrder.push_back(toStored(w));
  st.rosterCarried = s.rosterCarried;
  st.splashShown = s.splashShown;
  st.notes = s.notes;
  st.analysisTeam = s.analysisTeam;
  st.analysisSlot = s.analysisSlot;
  return st;
}

ScreenState screenState(const StoredScreen& st) {
  ScreenState s;
  for (const auto& [id, stored] : kWindows) s.visible[static_cast<int>(id)] = st.shows(stored);
  for (StoredWindow w : st.frontOrder) s.frontOrder.push_back(fromStored(w));
  s.rosterCarried = st.rosterCarried;
  s.splashShown = st.splashShown;
  s.notes = st.notes;
  s.analysisTeam = st.analysisTeam;
  s.analysisSlot = st.analysisSlot;
  return s;
}
