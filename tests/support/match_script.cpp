#include "match_script.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "words.h"

namespace {

std::string unescape(const std::string& field) {
  if (field == "\\_") return "";
  std::string text;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    const char code = field[++i];
    text += code == 's' ? ' ' : code == 't' ? '\t' : code == 'n' ? '\n' : code == 'r' ? '\r' : code;
  }
  return text;
}

template <size_t N>
int codeOf(const std::array<std::string_view, N>& captions, const std::string& text) {
  const auto found = std::find(captions.begin() + 1, captions.end(), text);
  if (found == captions.end()) throw std::invalid_argument("no such caption: " + text);
  return static_cast<int>(found - captions.begin());
}

TeamId teamOf(const std::string& text) {
  const std::optional<TeamId> team = teamNumbered(std::stoi(text));
  if (!team) throw std::invalid_argument("no such team: " + text);
  return *team;
}

// Turns script lines into operator steps.
struct ScriptReader {
  ScriptOperator& op;
  bool started = false;
  int clock = 0;

  void startMatchOnce() {
    if (started) return;
    op.startMatch();
    started = true;
  }

  void setClock(int seconds) {
    clock = seconds;
    op.setClock(seconds);
  }

  void record(const std::vector<std::string>& w) {
    startMatchOnce();
    const int action = codeOf(kActionWords, w[3]);
    const std::string& where = w[4];
    const std::string& what = w[5];
    int whatCode = 0;
    for (int code = 1; code <= detailCount(static_cast<Action>(action)); ++code)
      if (detailWord(static_cast<Action>(action), code) == what) whatCode = code;
    if (whatCode == 0) throw std::invalid_argument("no such detail: " + what);
    op.recordEvent(teamOf(w[1]), std::stoi(w[2]), action, where, codeOf(kPlaceWords, where), what,
                   whatCode);
  }

  void run(const std::vector<std::string>& w) {
    const std::string& key = w[0];
    if (key == "stem") {
      op.setStem(w[1]);
    } else if (key == "prefix") {
      op.setPrefix(w[1]);
    } else if (key == "team") {
      op.setTeamName(teamOf(w[1]), w[2]);
    } else if (key == "player") {
      op.setRosterLine(teamOf(w[1]), std::stoi(w[2]), w[3], w[4]);
    } else if (key == "at") {
      startMatchOnce();
      setClock(std::stoi(w[1].substr(0, 2)) * 60 + std::stoi(w[1].substr(3, 2)));
    } else if (key == "event") {
      record(w);
    } else if (key == "repeat") {
      const std::vector<std::string> rest(w.begin() + 3, w.end());
      for (int n = std::stoi(w[1]); n > 0; --n) {
        run(rest);
        setClock(clock + std::stoi(w[2]));
      }
    } else {
      throw std::invalid_argument("unknown script line: " + key);
    }
  }
};

// Records straight through the screen's steps, without windows.
class ScreenOperator : public ScriptOperator {
 public:
  ScreenOperator(Screen& s, std::shared_ptr<double> clockSeconds)
      : s_(s), m_(s.match()), clockSeconds_(std::move(clockSeconds)) {}

  void setStem(const std::string& text) override { m_.fileStem = text; }
  void setPrefix(const std::string& text) override { m_.exportPrefix = text; }
  void setTeamName(TeamId team, const std::string& text) override { m_.team(team).name = text; }
  void setRosterLine(TeamId team, int slot, const std::string& number,
                     const std::string& name) override {
    m_.team(team).lines[slot].number = number;
    m_.team(team).lines[slot].name = name;
  }
  void startMatch() override {
    s_.finishInput();
    s_.startMatch();
  }
  void setClock(int seconds) override {
    runClockTo(
        m_.clock(), seconds,
        [this](int at) {
          *clockSeconds_ = at;
          s_.tick();
        },
        [this] { s_.togglePause(); });
  }
  void recordEvent(TeamId team, int slot, int action, const std::string&, int whereCode,
                   const std::string&, int whatCode) override {
    const auto a = static_cast<Action>(action);
    s_.pickPerson(team, slot);
    s_.chooseAction(a);
    s_.choosePlace(whereCode);
    if (isShot(a))
      s_.chooseZone(whatCode);
    else
      s_.chooseDetail(dialogFor(a), whatCode);
  }

 private:
  Screen& s_;
  Match& m_;
  std::shared_ptr<double> clockSeconds_;
};

}  // namespace

void runMatchScript(ScriptOperator& op, const std::filesystem::path& script) {
  ScriptReader reader{op};
  std::ifstream in(script);
  if (!in) throw std::runtime_error("cannot read " + script.string());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(unescape(word));
    if (w.empty() || w[0][0] == '#') continue;
    reader.run(w);
  }
}

void playMatchScript(Screen& screen, const std::filesystem::path& script) {
  auto seconds = std::make_shared<double>(0);
  screen.match().timeOfDay = [seconds] { return *seconds / 86400.0; };
  ScreenOperator op(screen, seconds);
  runMatchScript(op, script);
}

std::filesystem::path testDataPath(const std::string& name) {
  return std::filesystem::path(HB_TEST_DATA) / name;
}

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readTestData(const std::string& name) {
  return readFileBytes(testDataPath(name));
}

void runClockTo(const MatchClock& clock, int seconds, const std::function<void(int)>& showTime,
                const std::function<void()>& startNextHalf) {
  showTime(seconds);
  while (clock.periodOver() && !clock.matchOver() &&
         seconds > clock.periods().endSeconds(clock.period())) {
    showTime(clock.periods().endSeconds(clock.period()));  // a stopped clock stays
    startNextHalf();
    showTime(seconds);
  }
}
