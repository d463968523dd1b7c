#include "cp932_losses.h"

#include <vector>

#include "cp932_text.h"
#include "team.h"

namespace {

constexpr size_t kListedAtMost = 10;
constexpr const char* kCountNames[kCounts] = {"得点", "警告", "退場", "失格"};

class Losses {
 public:
  void check(const std::string& text, const std::string& where) {
    const std::string lost = lostInCp932(text);
    if (!lost.empty()) items_.push_back(lost + " (" + where + ")");
  }
  std::string notice() const {
    if (items_.empty()) return {};
    std::string text = "CP932 で表せない文字を ? で保存しました: ";
    for (size_t i = 0; i < items_.size() && i < kListedAtMost; ++i)
      text += (i ? "、" : "") + items_[i];
    if (items_.size() > kListedAtMost)
      text += " ほか " + std::to_string(items_.size() - kListedAtMost) + " 件";
    return text;
  }

 private:
  std::vector<std::string> items_;
};

std::string lineLabel(int slot) {
  return slot == kOfficialSlot ? std::string(kOfficialWord) : std::to_string(slot) + "行";
}

}  // namespace

std::string cp932LossNotice(const Match& m) {
  Losses losses;
  losses.check(m.fileStem, "ファイル名");
  losses.check(m.exportPrefix, "前置き文字");
  for (int team = 1; team <= 2; ++team) {
    const std::string name = "チーム" + std::to_string(team);
    const Team& t = m.team(team);
    losses.check(t.name, name + " 名前");
    for (int slot = 0; slot < kRosterLines; ++slot) {
      const RosterLine& line = t.lines[slot];
      const std::string where = name + " " + lineLabel(slot) + " ";
      losses.check(line.number, where + "番号");
      losses.check(line.name, where + "氏名");
      for (int c = 0; c < kCounts; ++c) losses.check(line.counts[c], where + kCountNames[c]);
    }
    // The logs keep the roster as it read when each event was entered.
    for (int i = 0; i < m.teamEventCount(team); ++i) {
      const Event& e = m.teamEvent(team, i);
      const RosterLine& now = t.lines[e.slot];
      const std::string where = name + " 記録" + std::to_string(i + 1) + "行 ";
      if (e.number != now.number) losses.check(e.number, where + "番号");
      if (e.name != now.name) losses.check(e.name, where + "氏名");
    }
  }
  return losses.notice();
}
