#include "match_keeper.h"

std::string unsafeRecordMessage(const std::string& reason) {
  return "試合の記録を安全に保存できません。記録は続けられますが、"
         "プログラムが止まると失われることがあります。\n" +
         reason;
}

std::optional<std::string> MatchKeeper::keep(const Match& m, const Screen& s) {
  try {
    if (!file_) file_ = MatchFile::create(folder_);
    file_->commit(m, s);
    failing_ = false;
    return std::nullopt;
  } catch (const StoreError& e) {
    const bool first = !failing_;
    failing_ = true;
    if (!first) return std::nullopt;
    return unsafeRecordMessage(e.what());
  }
}

std::optional<std::string> MatchKeeper::end(const Match& m, const Screen& s) {
  if (!file_) return std::nullopt;  // nothing was ever done: nothing to keep
  try {
    file_->commit(m, s);
    file_->markEndedCleanly();
    file_.reset();
    return std::nullopt;
  } catch (const StoreError& e) {
    return unsafeRecordMessage(e.what());
  }
}
