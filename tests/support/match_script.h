// Plays a match script (data/*.match, described in data/make_expected.py) as
// an operator would click it: either straight through the screen's steps
// or, with another ScriptOperator,, through the real windows.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "screen.h"

// What a script asks the operator to do.
class ScriptOperator {
 public:
  virtual ~ScriptOperator() = default;
  virtual void setStem(const std::string& text) = 0;
  virtual void setPrefix(const std::string& text) = 0;
  virtual void setTeamName(TeamId team, const std::string& text) = 0;
  virtual void setRosterLine(TeamId team, int slot, const std::string& number,
                             const std::string& name) = 0;
  // "入力終了" then "試合開始"; called once, before the first clock or event.
  virtual void startMatch() = 0;
  // The match clock reads this many seconds of play.
  virtual void setClock(int seconds) = 0;
  // One whole event; the codes are those of the captions.
  virtual void recordEvent(TeamId team, int slot, int action, const std::string& where,
                           int whereCode, const std::string& what, int whatCode) = 0;
};

void runMatchScript(ScriptOperator& op, const std::filesystem::path& script);

// Types the script's texts and roster, then records its events in order
// through the steps the windows' buttons take, with the clock under the
// script's control.
void playMatchScript(Screen& screen, const std::filesystem::path& script);

// A match with its screen, as the program starts.
struct ScriptedMatch {
  Match match;
  Screen screen{match};
};

// The clock brought to `seconds` of play by an operator who starts the next
// half the moment the last one ended, so that it reads on as if it had
// never stopped. `showTime` sets the time of day to that many seconds of
// play and lets the clock tick; `startNextHalf` presses 中断/続行.
void runClockTo(const MatchClock& clock, int seconds, const std::function<void(int)>& showTime,
                const std::function<void()>& startNextHalf);

// The file data/<name>, read whole.
std::string readTestData(const std::string& name);
std::filesystem::path testDataPath(const std::string& name);
std::string readFileBytes(const std::filesystem::path& path);
