#include "words.h"

int detailCount(Action a) {
  switch (a) {
    case Action::Goal:
    case Action::ShotMiss:
      return kGoalZones;
    case Action::KeepMiss:
      return kKeepMissKinds;
    case Action::PenaltyWon:
      return static_cast<int>(kPenaltyReasonWords.size()) - 1;
    case Action::TimeOut:
      return static_cast<int>(kSituationWords.size()) - 1;
    case Action::Foul:
      return static_cast<int>(kSanctionWords.size()) - 1;
  }
  return 0;
}

std::string_view detailWord(Action a, int code) {
  if (code < 1 || code > detailCount(a)) return {};
  switch (a) {
    case Action::Goal:
    case Action::ShotMiss:
      return kZoneWords[code];
    case Action::KeepMiss:
      return kKeepMissWords[code];
    case Action::PenaltyWon:
      return kPenaltyReasonWords[code];
    case Action::TimeOut:
      return kSituationWords[code];
    case Action::Foul:
      return kSanctionWords[code];
  }
  return {};
}
