#include "season_players.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "replacing_file.h"
#include "season_files.h"

namespace {

constexpr const char* kHeader = "handball-players";
constexpr int kVersion = 1;
// Joins followed from one entry: more can only be a loop.
constexpr int kLongestChain = 64;

std::string escaped(const std::string& field) {
  std::string out;
  for (const char c : field) {
    if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\\')
      out += "\\\\";
    else
      out += c;
  }
  return out;
}

std::string unescaped(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char next = field[++i];
    out += next == 't' ? '\t' : next == 'n' ? '\n' : next;
  }
  return out;
}

std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) fields.push_back(unescaped(field));
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

}  // namespace

std::string playerEntry(const RosterLine& line) {
  const std::string name = seasonName(line.name);
  if (!name.empty()) return name;
  const std::string number = seasonName(line.number);
  return number.empty() ? std::string() : "#" + number;
}

std::string partedEntry(const std::string& entry, const std::string& match) {
  return entry + " (" + match + ")";
}

std::string PlayerChoices::personOf(const std::string& team, const std::string& entry,
                                    const std::string& match) const {
  std::string person = entry;
  for (const Part& p : parts)
    if (p.team == team && p.entry == entry && p.match == match) person = partedEntry(entry, match);
  for (int step = 0; step < kLongestChain; ++step) {
    const auto j = std::find_if(joins.begin(), joins.end(),
                                [&](const Join& j) { return j.team == team && j.entry == person; });
    if (j == joins.end()) break;
    person = j->into;
  }
  return person;
}

void PlayerChoices::join(const std::string& team, const std::string& entry,
                         const std::string& into) {
  if (entry == into) return;
  std::erase_if(joins, [&](const Join& j) { return j.team == team && j.entry == entry; });
  // `into` must not lead back to `entry`.
  std::string person = into;
  for (int step = 0; step < kLongestChain; ++step) {
    if (person == entry) return;
    const auto j = std::find_if(joins.begin(), joins.end(),
                                [&](const Join& j) { return j.team == team && j.entry == person; });
    if (j == joins.end()) break;
    person = j->into;
  }
  joins.push_back({team, entry, into});
}

void PlayerChoices::togglePart(const std::string& team, const std::string& entry,
                               const std::string& match) {
  const Part part{team, entry, match};
  if (std::erase(parts, part) == 0) parts.push_back(part);
}

void PlayerChoices::unjoin(const std::string& team, const std::string& person) {
  std::erase_if(joins, [&](const Join& j) {
    return j.team == team && (j.entry == person || j.into == person);
  });
}

PlayerChoices readPlayerChoices(const std::filesystem::path& path,
                                std::vector<std::string>* problems) {
  PlayerChoices choices;
  std::ifstream in(path, std::ios::binary);
  if (!in) return choices;
  auto problem = [&](int number, const std::string& what) {
    if (problems) problems->push_back(path.string() + ":" + std::to_string(number) + ": " + what);
  };
  std::string line;
  int number = 0;
  bool headed = false;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::vector<std::string> fields = fieldsOf(line);
    if (!headed) {
      if (fields.size() != 2 || fields[0] != kHeader) {
        problem(number, "選手の組み合わせのファイルではありません");
        return choices;
      }
      if (fields[1] != std::to_string(kVersion)) {
        problem(number, "新しい版のプログラムで作られたファイルです");
        return choices;
      }
      headed = true;
    } else if (fields.size() == 4 && fields[0] == "join") {
      choices.join(fields[1], fields[2], fields[3]);
    } else if (fields.size() == 4 && fields[0] == "part") {
      const PlayerChoices::Part part{fields[1], fields[2], fields[3]};
      if (std::find(choices.parts.begin(), choices.parts.end(), part) == choices.parts.end())
        choices.parts.push_back(part);
    } else {
      problem(number, "読み取れない行です");
    }
  }
  return choices;
}

void writePlayerChoices(const std::filesystem::path& path, const PlayerChoices& choices) {
  std::string text = std::string(kHeader) + "\t" + std::to_string(kVersion) + "\n";
  for (const PlayerChoices::Join& j : choices.joins)
    text += "join\t" + escaped(j.team) + "\t" + escaped(j.entry) + "\t" + escaped(j.into) + "\n";
  for (const PlayerChoices::Part& p : choices.parts)
    text += "part\t" + escaped(p.team) + "\t" + escaped(p.entry) + "\t" + escaped(p.match) + "\n";
  std::error_code ignored;  // a folder that cannot be made fails the write, named
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
  ReplacingFile file(path.string());
  file.write(text);
  file.commit();
}
