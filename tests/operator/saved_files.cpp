#include "saved_files.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cp932_text.h"

namespace {

constexpr int kShotLines = 401;
constexpr int kShotFields = 31;
constexpr int kLogFields = 21;

using Lines = std::vector<std::vector<std::string>>;

// Fields of every line; the layout has been checked before.
Lines fieldsOf(const std::string& bytes) {
  Lines lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    std::vector<std::string> fields;
    size_t from = start;
    for (size_t tab = bytes.find('\t', from); tab < end; tab = bytes.find('\t', from)) {
      fields.push_back(bytes.substr(from, tab - from));
      from = tab + 1;
    }
    lines.push_back(fields);
    start = end + 2;
  }
  return lines;
}

// A cell as the file holds it: CP932, with a TAB or line break inside the
// text written as a blank so that fields and lines stay where they are.
std::string inFile(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return toCp932(text);
}

std::string mismatch(int line, int field, const std::string& found, const std::string& expected) {
  return "line " + std::to_string(line) + " field " + std::to_string(field) + " holds '" + found +
         "', expected '" + expected + "'";
}

std::string shotFileProblem(const Lines& lines, const std::string& stem, const Match& m,
                            const OperatorRules& rules) {
  if (lines[0][0] != inFile(stem + "シュート成功率"))
    return mismatch(0, 0, lines[0][0], inFile(stem + "シュート成功率"));
  // Each team's total block ends with its grand total of goals over shots.
  for (int team = 1; team <= 2; ++team) {
    const int line = team == 1 ? 195 : 391;
    const int64_t goals = rules.shotTotal(team, true);
    const int64_t shots = goals + rules.shotTotal(team, false);
    const std::string expected =
        inFile(m.exportPrefix + std::to_string(goals) + "/" + std::to_string(shots));
    if (lines[line][12] != expected) return mismatch(line, 12, lines[line][12], expected);
  }
  return "";
}

std::string tableFileProblem(const Lines& lines, const std::string& stem, const Match& m,
                             const OperatorRules& rules) {
  const std::pair<int, std::string> titles[] = {
      {0, stem + "リスト"}, {0, m.team(TeamId::One).name}, {7, m.team(TeamId::Two).name}};
  for (int i = 0; i < 3; ++i) {
    const int line = i == 0 ? 0 : 1;
    const auto& [field, text] = titles[i];
    if (lines[line][field] != inFile(text))
      return mismatch(line, field, lines[line][field], inFile(text));
  }
  // Both logs side by side, every recorded row, event times prefixed.
  for (int team = 1; team <= 2; ++team) {
    for (int row = 0; row <= rules.lastFilledLogRow(); ++row)
      for (int col = 0; col < 7; ++col) {
        std::string text = logCell(m, operatorTeam(team), col, row);
        if (col == 0 && row >= 1 && !text.empty()) text = m.exportPrefix + text;
        const int field = (team - 1) * 7 + col;
        if (lines[row + 2][field] != inFile(text))
          return mismatch(row + 2, field, lines[row + 2][field], inFile(text));
      }
  }
  return "";
}

std::string listFileProblem(const Lines& lines, const std::string& stem, const Match& m,
                            const OperatorRules& rules) {
  if (lines[0][0] != inFile(stem)) return mismatch(0, 0, lines[0][0], inFile(stem));
  // Each team's "Total" line: goals and the sum of contribution scores.
  for (int team = 1; team <= 2; ++team) {
    const int head = team == 1 ? 2 : 20;
    const std::string& name = m.team(operatorTeam(team)).name;
    if (lines[head][0] != inFile(name)) return mismatch(head, 0, lines[head][0], inFile(name));
    const int total = head + 16;
    const std::string goals = std::to_string(rules.teamTotal(team, 0));
    if (lines[total][1] != goals) return mismatch(total, 1, lines[total][1], goals);
    const std::string contribution = std::to_string(rules.contributionTotal(team));
    if (lines[total][9] != contribution) return mismatch(total, 9, lines[total][9], contribution);
  }
  return "";
}

}  // namespace

std::vector<std::string> expectedFileNames(const std::string& stem) {
  return {stem + "-shot-.xls", stem + "-table-.xls", stem + ".xls"};
}

std::vector<std::string> allFileNames(const std::string& stem) {
  std::vector<std::string> names = expectedFileNames(stem);
  names.push_back(stem + ".xlsx");
  names.push_back(stem + ".pdf");
  return names;
}

FileState fileState(const std::string& path) {
  FileState state;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return state;
  state.exists = true;
  state.inode = info.st_ino;
  state.folder = S_ISDIR(info.st_mode);
  if (!state.folder) {
    std::ifstream in(path, std::ios::binary);
    state.bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  return state;
}

std::string layoutProblem(const std::string& bytes, int lines, int fields) {
  int line = 0;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) return "line " + std::to_string(line) + " has no CR LF";
    const std::string text = bytes.substr(start, end - start);
    if (text.find_first_of("\r\n") != std::string::npos)
      return "line " + std::to_string(line) + " holds a stray line break";
    const auto tabs = std::count(text.begin(), text.end(), '\t');
    if (tabs != fields || text.back() != '\t')
      return "line " + std::to_string(line) + " has " + std::to_string(tabs) + " fields, not " +
             std::to_string(fields);
    ++line;
    start = end + 2;
  }
  if (line != lines) return std::to_string(line) + " lines, not " + std::to_string(lines);
  return "";
}

std::string savedFileProblem(int index, const std::string& stem, const std::string& bytes,
                             const Match& m, const OperatorRules& rules) {
  const int logLines = std::max(201, rules.lastFilledLogRow() + 3);
  const int lines = index == 0 ? kShotLines : logLines;
  const std::string layout = layoutProblem(bytes, lines, index == 0 ? kShotFields : kLogFields);
  if (!layout.empty()) return layout;
  const Lines fields = fieldsOf(bytes);
  switch (index) {
    case 0:
      return shotFileProblem(fields, stem, m, rules);
    case 1:
      return tableFileProblem(fields, stem, m, rules);
    default:
      return listFileProblem(fields, stem, m, rules);
  }
}

std::vector<std::string> unexpectedEntries(const std::string& folder,
                                           const std::vector<std::string>& expected) {
  std::vector<std::string> unexpected;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(expected.begin(), expected.end(), name) == expected.end())
      unexpected.push_back(name);
  }
  return unexpected;
}
