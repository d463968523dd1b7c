#include "keymap.h"

#include <algorithm>
#include <sstream>

#include "event_facts.h"
#include "key_names.h"
#include "words.h"

namespace {

using Kind = KeyStepKind;

// A number-pad key and, for the details, the digit above the letters too.
std::vector<std::string> pad(int digit) {
  return {"Num+" + std::to_string(digit)};
}
std::vector<std::string> digitAndPad(int digit) {
  return {std::to_string(digit), "Num+" + std::to_string(digit)};
}

std::vector<KeyStep> makeSteps() {
  std::vector<KeyStep> steps;
  auto add = [&](std::string name, KeyGroup group, Kind kind, int code, std::string_view caption,
                 std::vector<std::string> defaults) {
    steps.push_back(
        {std::move(name), group, kind, code, std::string(caption), std::move(defaults)});
  };
  const KeyGroup all = KeyGroup::Everywhere;
  add("help", all, Kind::Help, 0, "キーの一覧", {"F1"});
  add("correct", all, Kind::Correct, 0, "修正 (打ちかけの番号は 1 字ずつ消す)",
      {"Backspace", "Num+-"});
  add("switch", all, Kind::Switch, 0, "入力終了 / 画面切り替え", {"F3"});
  add("start", all, Kind::Start, 0, "試合開始", {"F5"});
  add("pause", all, Kind::Pause, 0, "中断/続行", {"F6", "Pause"});
  add("save", all, Kind::Save, 0, "データ保存", {"Ctrl+S"});
  add("season", all, Kind::Season, 0, "シーズン", {"F7"});
  // The video with Ctrl and the arrows, away from the keys of entry; not
  // with Space, which a button in focus takes as a click even with Ctrl.
  const struct {
    const char* name;
    VideoCommand command;
    const char* caption;
    const char* key;
  } video[] = {
      {"play-pause", VideoCommand::PlayPause, "映像: 再生 / 一時停止", "Ctrl+P"},
      {"back-2", VideoCommand::Back2, "映像: 2 秒戻す", "Ctrl+Left"},
      {"forward-2", VideoCommand::Forward2, "映像: 2 秒進める", "Ctrl+Right"},
      {"back-10", VideoCommand::Back10, "映像: 10 秒戻す", "Ctrl+Shift+Left"},
      {"forward-10", VideoCommand::Forward10, "映像: 10 秒進める", "Ctrl+Shift+Right"},
      {"frame-back", VideoCommand::FrameBack, "映像: 1 コマ戻す", "Alt+Left"},
      {"frame-forward", VideoCommand::FrameForward, "映像: 1 コマ進める", "Alt+Right"},
      {"slower", VideoCommand::Slower, "映像: 遅く", "Ctrl+Down"},
      {"faster", VideoCommand::Faster, "映像: 速く", "Ctrl+Up"},
      {"show-last", VideoCommand::ShowLast, "映像: 最後の記録を見る", "Ctrl+Return"},
  };
  for (const auto& v : video)
    add(std::string("video.") + v.name, all, Kind::Video, static_cast<int>(v.command), v.caption,
        {v.key});

  const KeyGroup match = KeyGroup::MatchWindow;
  add("team1", match, Kind::Team, 1, "チーム1 (続けて背番号)", {"Q"});
  add("team2", match, Kind::Team, 2, "チーム2 (続けて背番号)", {"W"});
  add("official", match, Kind::Official, 0, "監督 (チームのキーの後)", {"E"});
  add("line", match, Kind::Line, 0, "背番号でなく行の番号で選ぶ (続けて 1-14)", {"R"});
  add("confirm", match, Kind::Confirm, 0, "打った人を選ぶ (動作のキーでも選ばれる)",
      {"Return", "Num+Enter"});
  for (int d = 0; d <= 9; ++d)
    add("number" + std::to_string(d), match, Kind::Digit, d, "背番号の " + std::to_string(d),
        digitAndPad(d));
  const char* actionNames[] = {"goal", "shot-miss", "keep-miss", "penalty-won", "time-out", "foul"};
  const char* actionKeys[] = {"A", "S", "D", "F", "G", "H"};
  for (int a = 1; a <= kActions; ++a)
    add(std::string("action.") + actionNames[a - 1], match, Kind::Action, a,
        actionWord(static_cast<Action>(a)), {actionKeys[a - 1]});

  // The facts of the event recorded last, on the rows below and right of
  // the person and action keys: how a miss ended under the actions, the
  // kind of attack on the top row's right, the assist and the goalkeepers
  // on the bottom row's right.
  const KeyGroup facts = KeyGroup::Facts;
  const char* outcomeNames[] = {"saved", "post", "blocked", "wide"};
  const char* outcomeKeys[] = {"Z", "X", "C", "V"};
  for (int o = 1; o <= kMissOutcomes; ++o)
    add(std::string("outcome.") + outcomeNames[o - 1], facts, Kind::Outcome, o,
        "シュートミスの結果: " + std::string(kMissOutcomeWords[o]), {outcomeKeys[o - 1]});
  const char* attackNames[] = {"set", "fast-break", "breakthrough", "empty-goal"};
  const char* attackKeys[] = {"U", "I", "O", "P"};
  for (int a = 0; a < kAttackKinds; ++a)
    add(std::string("attack.") + attackNames[a], facts, Kind::Attack, a,
        "攻撃の種類: " + std::string(kAttackWords[a]), {attackKeys[a]});
  add("assist", facts, Kind::Assist, 0,
      "得点のアシスト (続けて背番号と確定のキー、番号なしで確定すると取り消し)", {"B"});
  add("goalkeeper1", facts, Kind::Goalkeeper, 1, "チーム1 の次の GK をゴールに", {"N"});
  add("goalkeeper2", facts, Kind::Goalkeeper, 2, "チーム2 の次の GK をゴールに", {"M"});

  // The number pad as the court picture: the goal at the top, wings and
  // posts beside it, the backs below, the opponent's half at the bottom.
  const struct {
    const char* name;
    int place;
    std::vector<std::string> keys;
  } places[] = {
      {"left-wing", place::kLeftWing, pad(7)},
      {"centre-post", place::kCentrePost, pad(8)},
      {"right-wing", place::kRightWing, pad(9)},
      {"left-post", place::kLeftPost, pad(4)},
      {"penalty-throw", place::kPenaltyThrow, pad(5)},
      {"right-post", place::kRightPost, pad(6)},
      {"left-back", place::kLeftBack, pad(1)},
      {"centre", place::kCentre, pad(2)},
      {"right-back", place::kRightBack, pad(3)},
      {"opponent-half", place::kOpponentHalf, pad(0)},
      {"bench", place::kBench, {"Num+Enter"}},
  };
  for (const auto& p : places)
    add(std::string("place.") + p.name, KeyGroup::CourtPlace, Kind::Place, p.place,
        kPlaceWords[p.place], p.keys);

  // The number pad as the goal seen on the court dialog: 7-8-9 the top
  // row, 1-2-3 the bottom; 0 outside left and the pad's point outside right
  // (a comma on some keyboards).
  const struct {
    const char* name;
    int zone;
    std::vector<std::string> keys;
  } zones[] = {
      {"top-left", 2, pad(7)},
      {"top-centre", 5, pad(8)},
      {"top-right", 8, pad(9)},
      {"middle-left", 3, pad(4)},
      {"middle-centre", 6, pad(5)},
      {"middle-right", 9, pad(6)},
      {"bottom-left", 4, pad(1)},
      {"bottom-centre", 7, pad(2)},
      {"bottom-right", 10, pad(3)},
      {"outside-left", 1, pad(0)},
      {"outside-right", 11, {"Num+.", "Num+,"}},
  };
  for (const auto& z : zones)
    add(std::string("zone.") + z.name, KeyGroup::CourtZone, Kind::Zone, z.zone, kZoneWords[z.zone],
        z.keys);

  // Each dialog's choices by their number in reading order.
  const struct {
    const char* prefix;
    KeyGroup group;
    Action action;
    std::vector<const char*> names;
  } details[] = {
      {"keep-miss.",
       KeyGroup::KeepMiss,
       Action::KeepMiss,
       {"pass", "catch", "line", "over", "charge", "passive", "other"}},
      {"penalty-throw.",
       KeyGroup::PenaltyThrow,
       Action::PenaltyWon,
       {"inside-line", "shot-stopped", "pass-to-keeper", "other"}},
      {"foul.", KeyGroup::Foul, Action::Foul, {"warning", "suspension", "disqualification"}},
      {"time-out.",
       KeyGroup::TimeOut,
       Action::TimeOut,
       {"leading", "lead-to-level", "behind-to-level", "losing"}},
  };
  for (const auto& d : details)
    for (int code = 1; code <= static_cast<int>(d.names.size()); ++code)
      add(d.prefix + std::string(d.names[code - 1]), d.group, Kind::Detail, code,
          detailWord(d.action, code), digitAndPad(code));
  return steps;
}

}  // namespace

const std::vector<KeyStep>& keySteps() {
  static const std::vector<KeyStep> steps = makeSteps();
  return steps;
}

std::optional<int> keyStepIndex(std::string_view name) {
  const auto& steps = keySteps();
  for (size_t i = 0; i < steps.size(); ++i)
    if (steps[i].name == name) return static_cast<int>(i);
  return std::nullopt;
}

int keyStepOf(KeyGroup group, KeyStepKind kind, int code) {
  const auto& steps = keySteps();
  for (size_t i = 0; i < steps.size(); ++i)
    if (steps[i].group == group && steps[i].kind == kind && steps[i].code == code)
      return static_cast<int>(i);
  return -1;
}

std::string_view groupTitle(KeyGroup g) {
  switch (g) {
    case KeyGroup::Everywhere:
      return "どの画面でも";
    case KeyGroup::MatchWindow:
      return "試合画面: 人と動作";
    case KeyGroup::Facts:
      return "試合画面: 記録した動作の内容と GK";
    case KeyGroup::CourtPlace:
      return "コート: 場所";
    case KeyGroup::CourtZone:
      return "コート: ゴールの位置";
    case KeyGroup::KeepMiss:
      return "保持ミス";
    case KeyGroup::PenaltyThrow:
      return "PT(獲得)";
    case KeyGroup::Foul:
      return "反則";
    case KeyGroup::TimeOut:
      return "作戦タイム";
  }
  return "";
}

WindowId dialogOfGroup(KeyGroup g) {
  switch (g) {
    case KeyGroup::KeepMiss:
      return WindowId::KeepMiss;
    case KeyGroup::PenaltyThrow:
      return WindowId::PenaltyThrow;
    case KeyGroup::Foul:
      return WindowId::Foul;
    case KeyGroup::TimeOut:
      return WindowId::TimeOut;
    default:
      return WindowId::Court;
  }
}

KeyGroup groupOfDialog(WindowId dialog) {
  for (KeyGroup g : {KeyGroup::KeepMiss, KeyGroup::PenaltyThrow, KeyGroup::Foul, KeyGroup::TimeOut})
    if (dialogOfGroup(g) == dialog) return g;
  return KeyGroup::CourtPlace;
}

bool stepsExclusive(const KeyStep& a, const KeyStep& b) {
  auto withPersons = [](KeyGroup g) { return g == KeyGroup::MatchWindow || g == KeyGroup::Facts; };
  return a.group == b.group || a.group == KeyGroup::Everywhere || b.group == KeyGroup::Everywhere ||
         (withPersons(a.group) && withPersons(b.group));
}

Keymap::Keymap() {
  for (const KeyStep& step : keySteps()) keys_.push_back(step.defaults);
  index();
}

void Keymap::setKeys(int step, std::vector<std::string> keys) {
  keys_[step] = std::move(keys);
  index();
}

void Keymap::index() {
  steps_.clear();
  for (size_t step = 0; step < keys_.size(); ++step)
    for (const std::string& key : keys_[step]) {
      std::vector<int>& on = steps_[key];
      if (on.empty() || on.back() != static_cast<int>(step)) on.push_back(static_cast<int>(step));
    }
}

const std::vector<int>& Keymap::stepsOn(std::string_view key) const {
  static const std::vector<int> none;
  const auto found = steps_.find(key);
  return found == steps_.end() ? none : found->second;
}

std::optional<std::pair<int, std::string>> Keymap::clashOf(int step) const {
  const auto& steps = keySteps();
  for (const std::string& key : keys_[step])
    for (int other : stepsOn(key))
      if (other != step && stepsExclusive(steps[step], steps[other])) return {{other, key}};
  return std::nullopt;
}

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// The keys of a line's right-hand side, separated by commas. A comma is the
// key itself where a key is expected ("A, ,", "Ctrl+,").
std::vector<std::string> splitKeys(std::string_view text) {
  std::vector<std::string> keys;
  std::string key;
  for (char c : text) {
    const std::string_view sofar = trimmed(key);
    if (c == ',' && !sofar.empty() && !sofar.ends_with('+')) {
      keys.emplace_back(sofar);
      key.clear();
    } else {
      key += c;
    }
  }
  if (!trimmed(key).empty() || !keys.empty()) keys.emplace_back(trimmed(key));
  return keys;
}

std::string quoted(std::string_view text) {
  return "「" + std::string(text) + "」";
}

// Text of the file, quoted and cut short enough for a line of a box; never
// in the middle of a UTF-8 character.
std::string excerpt(std::string_view text) {
  constexpr size_t kMost = 48;
  if (text.size() <= kMost) return quoted(text);
  size_t cut = kMost;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return quoted(std::string(text.substr(0, cut)) + "…");
}

std::string stepLabel(int step) {
  const KeyStep& s = keySteps()[step];
  return quoted(std::string(groupTitle(s.group)) + " " + s.caption);
}

}  // namespace

KeymapReading readKeymap(std::string_view text) {
  KeymapReading reading;
  if (text.size() > kKeymapMostBytes) {
    const size_t lastEnd = text.substr(0, kKeymapMostBytes).rfind('\n');
    text = text.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
    const auto lines = std::count(text.begin(), text.end(), '\n');
    reading.problems.push_back("ファイルが " + std::to_string(kKeymapMostBytes / 1024) +
                               " KB より大きいため、初めの " + std::to_string(lines) +
                               " 行だけを読みました");
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a BOM some editors write
  std::vector<std::pair<int, std::string>> problems;
  size_t untold = 0;
  std::map<int, int> lineOf;  // step -> the line that set it
  Keymap& map = reading.keymap;

  int lineNumber = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    // Past the first lines told, a line only counts: it comes after all of
    // them, so it would not be told whatever the clashes below add.
    auto refuse = [&](auto why) {
      if (problems.size() < kKeymapProblemsTold)
        problems.emplace_back(lineNumber, why());
      else
        ++untold;
    };
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      refuse([&] { return excerpt(line) + "は「操作 = キー」の形ではありません"; });
      continue;
    }
    const std::string_view name = trimmed(line.substr(0, equals));
    const std::optional<int> step = keyStepIndex(name);
    if (!step) {
      refuse([&] { return excerpt(name) + "という操作はありません"; });
      continue;
    }
    if (lineOf.contains(*step)) {
      refuse([&] {
        return quoted(name) + "は " + std::to_string(lineOf[*step]) + " 行目にもあります";
      });
      continue;
    }
    std::vector<std::string> keys;
    std::optional<std::string> unreadable;
    for (const std::string& written : splitKeys(line.substr(equals + 1))) {
      const std::optional<std::string> key = canonicalKeyName(written);
      if (!key) {
        unreadable = written;
        break;
      }
      if (std::find(keys.begin(), keys.end(), *key) == keys.end()) keys.push_back(*key);
    }
    if (unreadable) {
      refuse([&] { return excerpt(*unreadable) + "はキーの名前ではありません"; });
      continue;
    }
    lineOf[*step] = lineNumber;
    map.setKeys(*step, std::move(keys));
  }

  // Two steps offered at the same time on one key: a line that changes its
  // step's keys gives way before one that writes the defaults (the file
  // written at the first start lists them all), and a later line before an
  // earlier one; a default gives way to no line. Defaults share no key, so
  // this ends.
  for (;;) {
    int refused = -1;
    std::pair<int, std::string> with;
    std::pair<bool, int> rank;
    for (const auto& [step, line] : lineOf) {
      const auto clash = map.clashOf(step);
      const std::pair<bool, int> r{map.keys(step) != keySteps()[step].defaults, line};
      if (clash && (refused < 0 || r > rank)) {
        refused = step;
        with = *clash;
        rank = r;
      }
    }
    if (refused < 0) break;
    problems.emplace_back(lineOf[refused], keySteps()[refused].name + " のキー " + with.second +
                                               " は" + stepLabel(with.first) + "と重なります");
    lineOf.erase(refused);
    map.setKeys(refused, keySteps()[refused].defaults);
  }

  std::stable_sort(problems.begin(), problems.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < problems.size() && i < kKeymapProblemsTold; ++i)
    reading.problems.push_back(std::to_string(problems[i].first) + " 行目: " + problems[i].second);
  untold += problems.size() - std::min(problems.size(), kKeymapProblemsTold);
  if (untold > 0) reading.problems.push_back("ほか " + std::to_string(untold) + " 行");
  return reading;
}

std::string keymapText(const Keymap& keymap) {
  std::ostringstream out;
  out << "# handball のキー設定\n"
         "#\n"
         "# 1 行に 1 つ「操作 = キー」と書きます。キーが 2 つ以上ならカンマで区切ります\n"
         "# (例: correct = Backspace, Num+-)。キーの名前は Q, F2, Ctrl+S, Backspace,\n"
         "# Return のように書き、テンキーのキーには Num+ を付けます (Num+7, Num+Enter)。\n"
         "# 「操作 =」だけの行は、その操作にキーを割り当てません。# で始まる行は注釈です。\n"
         "#\n"
         "# 同じ時に使える操作 (同じ見出しの下の操作、「試合画面」の 2 つの見出しの操作、\n"
         "# または「どの画面でも」の操作とほかの操作) "
         "に同じキーは使えません。読めない行や重なるキーの行は起動時に\n"
         "# 行番号とともに知らされ、その操作は既定のキーのままになります。\n"
         "# このファイルを消すと、次の起動で既定のキーで作り直されます。\n";
  const auto& steps = keySteps();
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i == 0 || steps[i].group != steps[i - 1].group)
      out << "\n# ---- " << groupTitle(steps[i].group) << " ----\n";
    out << "# " << steps[i].caption << "\n" << steps[i].name << " =";
    const auto& keys = keymap.keys(static_cast<int>(i));
    for (size_t k = 0; k < keys.size(); ++k) out << (k == 0 ? " " : ", ") << keys[k];
    out << "\n";
  }
  return out.str();
}
