// Entry by keyboard: a key pressed in any window becomes the one step of the
// screen that its button would take now, or nothing. The same rules as for
// the buttons decide: a step whose button is hidden or unusable, or that
// the match would refuse, is not taken.
//
// A person is typed: the team's key, the shirt number, then an action's key
// (which picks the person whose number is exactly that and chooses the
// action) or the confirming key (which picks the person alone). The team's
// key may be left out when only one team has that number. The official is
// the team's key then the official's key; a line without a number that can
// be typed is reached by its roster line: team, line key, 1 to 14.
//
// The facts of the event recorded last are keyed while a person may be
// picked: one key each for how a miss ended and the kind of attack, one
// per team for its next marked goalkeeper, and the assist of a goal typed
// as a person is: the assist key, the teammate's shirt number and the
// confirming key (the assist key and the confirming key alone clear it).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "keymap.h"
#include "screen.h"

enum class KeyOutcome {
  Unmapped,  // no step has this key: the window may use it
  Refused,   // a step has it, but not now; nothing changed
  Typed,     // part of a person was typed or taken back
  Stepped,   // a step of the screen was taken
  Save,      // the team sheet's save is due
  Help,      // the key list is due
  Video,     // a command for the video: videoCommand()
  Season,    // the window 「シーズン」 is due
};

class KeyEntry {
 public:
  explicit KeyEntry(Keymap keymap = {}) : keymap_(std::move(keymap)) {}

  const Keymap& keymap() const { return keymap_; }
  // The command of the last key whose outcome was Video.
  VideoCommand videoCommand() const { return video_; }
  bool maps(std::string_view key) const { return !keymap_.stepsOn(key).empty(); }

  // A key (its canonical name) pressed while the team sheet or another
  // window is in front. A step of the screen may throw a UserError, as its
  // button's would, after the person typed was picked.
  KeyOutcome press(Screen& s, std::string_view key, bool teamSheetInFront);

  // What has been typed of a person, for the match window: "" when
  // nothing, else e.g. "チーム1 12", "チーム2 監督", "12", "チーム1 行 5".
  std::string typedPerson(const Screen& s) const;
  // The persons (team, slot) the typing points at so far.
  std::vector<std::pair<TeamId, int>> typedCandidates(const Screen& s) const;

 private:
  struct Typing {
    std::optional<TeamId> team;  // none until a team's key
    bool official = false;
    bool byLine = false;
    bool assist = false;  // the digits are the assist's shirt number
    std::string digits;
  };
  Typing typing() const;
  bool typingLive(const Screen& s) const;
  void dropStaleTyping(const Screen& s);
  KeyOutcome type(const Screen& s, const KeyStep& step);
  KeyOutcome take(Screen& s, const KeyStep& step, bool teamSheetInFront);
  KeyOutcome correct(Screen& s);
  KeyOutcome act(Screen& s, Action a);
  KeyOutcome sayFact(Screen& s, const KeyStep& step);
  KeyOutcome confirmAssist(Screen& s);

  Keymap keymap_;
  VideoCommand video_ = VideoCommand::PlayPause;
  // The person keys typed, in order; the correction key takes back the last.
  std::vector<const KeyStep*> typed_;
  // The event's stage and the number of events when typing began: a step
  // taken otherwise (a click) ends what was typed.
  std::pair<Stage, size_t> typedAt_{};
};
