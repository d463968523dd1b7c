// The keymap: which keys stand for which step of the windows. Every step an
// operator can take with a button, and the shirt-number keys that pick a
// person, has a name in the keymap file, a caption for the key list, and
// default keys; the file (one "step = key[, key]" per line) changes them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window_id.h"

// The steps that can be offered at the same time. Steps of different groups
// are never offered together (the event's stage decides which group is
// live), so they may share a key; the steps of "everywhere" are always
// offered and share a key with nothing.
enum class KeyGroup {
  Everywhere,
  MatchWindow,  // the person (team, shirt number, official) and the action
  // What is said of the event recorded last, and who is in goal: offered
  // with the match window's steps, so no key of those two groups is shared.
  Facts,
  CourtPlace,
  CourtZone,
  KeepMiss,
  PenaltyThrow,
  Foul,
  TimeOut,
};

enum class KeyStepKind {
  Help,     // the key list
  Correct,  // 修正, or taking back what was typed of a person
  Switch,   // 入力終了 / 画面切り替え
  Start,
  Pause,
  Save,
  Team,        // code: the team
  Official,    // the official of the typed team
  Line,        // the digits that follow are the roster line, not the shirt number
  Confirm,     // picks the typed person
  Digit,       // code: the digit
  Action,      // code: the action
  Place,       // code: the place, the bench included
  Zone,        // code: the goal zone
  Detail,      // code: the detail of the group's dialog
  Outcome,     // code: the MissOutcome of the miss recorded last
  Attack,      // code: the AttackKind of the shot or lost possession recorded last
  Assist,      // the shirt number that follows, then Confirm: the goal's assist
  Goalkeeper,  // code: the team whose next marked goalkeeper goes in goal
  Video,       // code: the VideoCommand, for the match's video
  Season,      // the window 「シーズン」
};

// What the video keys do. They are offered everywhere, beside the keys of
// entry and sharing none, so that the operator can watch and type at once.
enum class VideoCommand : int {
  PlayPause = 1,
  Back2,
  Forward2,
  Back10,
  Forward10,
  FrameBack,
  FrameForward,
  Slower,
  Faster,
  ShowLast,  // the event recorded last, from its lead to its tail
};

struct KeyStep {
  std::string name;  // in the keymap file
  KeyGroup group;
  KeyStepKind kind;
  int code = 0;
  std::string caption;  // the button's caption, or what the key does
  std::vector<std::string> defaults;
};

// Every step, in the order of the key list and the file.
const std::vector<KeyStep>& keySteps();
std::optional<int> keyStepIndex(std::string_view name);
std::string_view groupTitle(KeyGroup g);
// The step of a group with that kind and code (-1 when there is none).
int keyStepOf(KeyGroup group, KeyStepKind kind, int code = 0);
// The detail dialog of a detail group, and the group of a detail dialog.
WindowId dialogOfGroup(KeyGroup g);
KeyGroup groupOfDialog(WindowId dialog);
// Whether two steps may not share a key.
bool stepsExclusive(const KeyStep& a, const KeyStep& b);

class Keymap {
 public:
  Keymap();  // the default keys

  // Canonical key names (key_names.h) of step `step` of keySteps().
  const std::vector<std::string>& keys(int step) const { return keys_[step]; }
  void setKeys(int step, std::vector<std::string> keys);
  // The steps bound to a canonical key name, in keySteps() order.
  const std::vector<int>& stepsOn(std::string_view key) const;
  // A step that shares a key with `step` where it may not, and that key.
  std::optional<std::pair<int, std::string>> clashOf(int step) const;

  bool operator==(const Keymap& other) const { return keys_ == other.keys_; }

 private:
  void index();

  std::vector<std::vector<std::string>> keys_;
  std::map<std::string, std::vector<int>, std::less<>> steps_;
};

// The most of a keymap file that is read: the file written at the first
// start is some 5 KB, and one many times that size was not written by hand.
inline constexpr size_t kKeymapMostBytes = 256 * 1024;
// The lines not taken that are told one by one; of the rest only how many,
// so that the box that tells them fits on the screen.
inline constexpr size_t kKeymapProblemsTold = 10;

// The keymap a file's text gives, and one message per line it did not take,
// in line order, each beginning with the line's number. A line that is not
// "step = keys", names no step, names a step twice, names no key, or gives
// a key that another step offered at the same time already has, is left
// out: that step keeps its default keys. Past the first
// kKeymapProblemsTold such lines a last message says how many more there
// are. Text longer than kKeymapMostBytes is read up to the last line that
// ends within them, and a first message says so: the operator's own keys
// near the top of a file that grew by mistake still hold.
struct KeymapReading {
  Keymap keymap;
  std::vector<std::string> problems;
};
KeymapReading readKeymap(std::string_view text);

// The file's text for a keymap, with a heading that explains the format and
// each step's caption above its line.
std::string keymapText(const Keymap& keymap);
