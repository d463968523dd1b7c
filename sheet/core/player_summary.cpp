#include "player_summary.h"

#include <array>
#include <string_view>

#include "codes.h"
#include "log_extent.h"
#include "text_convert.h"

namespace {

using codes::kTallyContribution;
using codes::kTallyKinds;
using codes::kTotalSlot;

// Column m + 1 heads kind m.
constexpr std::array<std::string_view, kTallyKinds> kCountHeads = {
    "得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "警告", "退場", "失格", "貢献度"};

constexpr int kHeadRow1 = 2;  // team 1's heads; slot s in row s + 3
constexpr int kHeadRow2 = 20;
constexpr int kFirstLogCol1 = 11;  // the short logs: "when", "No.", "who", "play"
constexpr int kFirstLogCol2 = 16;
constexpr int kShortLogColumns = 4;

void recomputeTotals(TeamTally& tally) {
  for (int kind = 0; kind < kTallyKinds; ++kind) tally.at(kind, kTotalSlot) = 0;
  for (int slot = 0; slot <= kTotalSlot; ++slot)
    tally.at(kTallyContribution, slot) = contributionScore(tally, slot);
  for (int kind = 0; kind < kTallyKinds; ++kind) {
    int32_t sum = 0;
    for (int slot = 0; slot < kTotalSlot; ++slot) sum += tally.at(kind, slot);
    tally.at(kind, kTotalSlot) = sum;
  }
}

void writeCountTable(TextGrid& grid, const TeamTally& tally, int headRow) {
  for (int kind = 0; kind < kTallyKinds; ++kind)
    for (int slot = 0; slot <= kTotalSlot; ++slot)
      grid.setCell(kind + 1, headRow + 1 + slot, intToStr(tally.at(kind, slot)));
}

// A foul shows its sanction: a cell reading "反則" gives way to the cell two
// columns to its right, which for the play column is the "what" of the row.
std::string shortLogCell(const MatchModel& m, const TextGrid& log, int col, int row) {
  const std::string& text = log.cell(col, row);
  if (col == 0 && row >= 1 && !text.empty()) return m.sheet.edit2 + text;
  if (text == codes::kPlayText[codes::kFoul]) return log.cell(col + 2, row);
  return text;
}

}  // namespace

int32_t contributionScore(const TeamTally& t, int slot) {
  using namespace codes;
  const int64_t score = 2 * int64_t{t.at(kTallyGoal, slot)} - t.at(kTallyShotMiss, slot) -
                        t.at(kTallyKeepMiss, slot) + t.at(kTallyPenaltyWon, slot) -
                        t.at(kTallyWarning, slot) - 2 * int64_t{t.at(kTallySuspension, slot)} -
                        3 * int64_t{t.at(kTallyDisqualification, slot)};
  return static_cast<int32_t>(score);
}

void buildPlayerSummary(MatchModel& m) {
  MatchState& s = m.state;
  TextGrid& grid = m.sheet.playerSummary;
  recomputeTotals(s.team1Tally);
  recomputeTotals(s.team2Tally);

  for (int kind = 0; kind < kTallyKinds; ++kind) {
    grid.setCell(kind + 1, kHeadRow1, std::string(kCountHeads[kind]));
    grid.setCell(kind + 1, kHeadRow2, std::string(kCountHeads[kind]));
  }

  // Row labels: the official's line always reads "監督", whatever the roster holds.
  const TextGrid& roster = m.sheet.roster;
  for (int slot = 0; slot <= kTotalSlot; ++slot) {
    const int row = kHeadRow1 + 1 + slot;
    const int offset = kHeadRow2 - kHeadRow1;
    if (slot == codes::kOfficialSlot) {
      grid.setCell(0, row, "監督");
      grid.setCell(0, row + offset, "監督");
    } else if (slot == kTotalSlot) {
      grid.setCell(0, row, "Total");
      grid.setCell(0, row + offset, "Total");
    } else {
      grid.setCell(0, row, roster.cell(codes::rosterCol(1, codes::kRosterNameCol), slot + 1));
      grid.setCell(0, row + offset,
                   roster.cell(codes::rosterCol(2, codes::kRosterNameCol), slot + 1));
    }
  }

  writeCountTable(grid, s.team1Tally, kHeadRow1);
  writeCountTable(grid, s.team2Tally, kHeadRow2);

  grid.setCell(kFirstLogCol1, 1, m.sheet.edit3);
  grid.setCell(kFirstLogCol2, 1, m.sheet.edit4);

  const int lastRow = lastLogRowToCopy(m);
  for (int col = 0; col < kShortLogColumns; ++col) {
    for (int row = 0; row <= lastRow; ++row) {
      grid.setCell(col + kFirstLogCol1, row + kLogRowOffset,
                   shortLogCell(m, m.match.log1, col, row));
      grid.setCell(col + kFirstLogCol2, row + kLogRowOffset,
                   shortLogCell(m, m.match.log2, col, row));
    }
  }
}
