#include "table_file.h"

#include <array>
#include <string_view>
#include <utility>

#include "cp932_text.h"
#include "replacing_file.h"

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kListAbbreviations = {{
    {"シュートミス", "Sミス"},
    {"保持ミス", "Kミス"},
    {"PT(獲得)", "PT得"},
    {"作戦タイム", "Time"},
}};

// A TAB, CR or LF inside a cell would add a field or a line and shift every
// cell after it in the spreadsheet; each is written as one blank instead, so
// every file keeps its fixed count of fields and lines.
std::string withoutSeparators(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

std::string listFileText(const std::string& cell) {
  for (const auto& [full, shortText] : kListAbbreviations)
    if (cell == full) return std::string(shortText);
  return cell;
}

std::string tableLine(const TextTable& table, int row, int cols, CellWords words) {
  std::string line;
  for (int col = 0; col < cols; ++col) {
    const std::string& text = table.cell(col, row);
    line += toCp932(withoutSeparators(words == CellWords::Abbreviated ? listFileText(text) : text));
    line += '\t';
  }
  line += "\r\n";
  return line;
}

void writeTable(ReplacingFile& file, const TextTable& table, int rows, int cols, CellWords words) {
  for (int row = 0; row < rows; ++row) file.write(tableLine(table, row, cols, words));
  file.finish();
}

void writeTableFile(const std::string& path, const TextTable& table, int rows, int cols,
                    CellWords words, FileFaults* faults) {
  ReplacingFile file(path, faults);
  writeTable(file, table, rows, cols, words);
  file.commit();
}
