#include "match_script.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "codes.h"
#include "court_dialog.h"
#include "detail_dialogs.h"
#include "event_entry.h"
#include "team_sheet.h"

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

struct Player {
  MatchModel& m;
  std::shared_ptr<double> clockSeconds;
  bool started = false;

  void startMatchOnce() {
    if (started) return;
    finishInput(m);
    startMatch(m);
    started = true;
  }

  void setClock(int seconds) {
    *clockSeconds = seconds;
    clockTick(m);
  }

  void record(const std::vector<std::string>& w) {
    startMatchOnce();
    const int team = std::stoi(w[1]);
    const int slot = std::stoi(w[2]);
    const int action = codeOf(codes::kPlayText, w[3]);
    const std::string& where = w[4];
    const std::string& what = w[5];
    pickPlayer(m, team, slot);
    recordAction(m, action);
    pickCourtLocation(m, where, codeOf(codes::kLocationCaption, where));
    switch (action) {
      case codes::kGoal:
      case codes::kShotMiss:
        pickGoalZone(m, what, codeOf(codes::kZoneCaption, what));
        break;
      case codes::kKeepMiss:
        pickKeepMiss(m, what, codeOf(codes::kKeepMissCaption, what));
        break;
      case codes::kPenaltyWon:
        pickPenaltyReason(m, what);
        break;
      case codes::kTimeOut:
        pickSituation(m, what);
        break;
      case codes::kFoul:
        pickSanction(m, what, codeOf(codes::kSanctionCaption, what));
        break;
    }
  }

  void run(const std::vector<std::string>& w) {
    const std::string& key = w[0];
    TeamSheetModel& sheet = m.sheet;
    if (key == "stem") {
      sheet.edit1 = w[1];
    } else if (key == "prefix") {
      sheet.edit2 = w[1];
    } else if (key == "team") {
      (w[1] == "2" ? sheet.edit4 : sheet.edit3) = w[2];
    } else if (key == "player") {
      const int team = std::stoi(w[1]);
      const int row = std::stoi(w[2]) + 1;
      sheet.roster.setCell(codes::rosterCol(team, codes::kRosterNumberCol), row, w[3]);
      sheet.roster.setCell(codes::rosterCol(team, codes::kRosterNameCol), row, w[4]);
    } else if (key == "at") {
      startMatchOnce();
      setClock(std::stoi(w[1].substr(0, 2)) * 60 + std::stoi(w[1].substr(3, 2)));
    } else if (key == "event") {
      record(w);
    } else if (key == "repeat") {
      const std::vector<std::string> rest(w.begin() + 3, w.end());
      for (int n = std::stoi(w[1]); n > 0; --n) {
        run(rest);
        setClock(static_cast<int>(*clockSeconds) + std::stoi(w[2]));
      }
    } else {
      throw std::invalid_argument("unknown script line: " + key);
    }
  }
};

}  // namespace

void startProgram(MatchModel& m) {
  createTeamSheet(m);
  createMatchWindow(m);
  createCourtDialog(m);
  m.timeOfDay = [] { return 0.0; };
}

void playMatchScript(MatchModel& m, const std::filesystem::path& script) {
  auto seconds = std::make_shared<double>(0);
  m.timeOfDay = [seconds] { return *seconds / 86400.0; };
  Player player{m, seconds};
  std::ifstream in(script);
  if (!in) throw std::runtime_error("cannot read " + script.string());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(unescape(word));
    if (w.empty() || w[0][0] == '#') continue;
    player.run(w);
  }
}

std::filesystem::path testDataPath(const std::string& name) {
  return std::filesystem::path(HB_SHEET_TEST_DATA) / name;
}

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readTestData(const std::string& name) {
  return readFileBytes(testDataPath(name));
}
