#include "cp932_losses.h"

#include <vector>

#include "cp932_text.h"
#include "team.h"

namespace {

constexpr size_t kListedAtMost = 10;

class Losses {
 public:
  void check(const std::string& text, const std::string& where) { add(lostInCp932(text), where); }
  void add(const std::string& lost, const std::string& where) {
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

// The characters, each once, that CP932 loses from any of the texts.
std::string lostFromAll(const std::vector<std::string>& texts) {
  std::string lost;
  for (const std::string& text : texts) {
    const std::string more = lostInCp932(text);
    // Characters are whole UTF-8 sequences, so a plain search finds them.
    for (size_t i = 0; i < more.size();) {
      size_t n = 1;
      while (i + n < more.size() && (static_cast<unsigned char>(more[i + n]) & 0xC0) == 0x80) ++n;
      const std::string character = more.substr(i, n);
      if (lost.find(character) == std::string::npos) lost += character;
      i += n;
    }
  }
  return lost;
}

}  // namespace

std::string cp932LossNotice(const Match& m) {
  Losses losses;
  losses.check(m.fileStem, "ファイル名");
  losses.check(m.exportPrefix, "前置き文字");
  // Of the roster, the files hold the players' names and, in the logs, the
  // number and name each event was entered with.
  std::vector<const Event*> events;
  for (const Event& e : m.events()) events.push_back(&e);
  if (m.entry().reached(Stage::PersonPicked)) events.push_back(&m.entry().event);
  for (TeamId team : kBothTeams) {
    const std::string name = "チーム" + std::to_string(teamNumber(team));
    losses.check(m.team(team).name, name + " 名前");
    for (int slot = 0; slot < kRosterLines; ++slot) {
      std::vector<std::string> numbers, names;
      if (slot != kOfficialSlot) names.push_back(m.team(team).lines[slot].name);
      for (const Event* e : events)
        if (e->team == team && e->slot == slot) {
          numbers.push_back(e->number);
          names.push_back(e->name);
        }
      const std::string where = name + " " + lineLabel(slot) + " ";
      losses.add(lostFromAll(numbers), where + "番号");
      losses.add(lostFromAll(names), where + "氏名");
    }
  }
  return losses.notice();
}
