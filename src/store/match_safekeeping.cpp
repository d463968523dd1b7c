#include "match_safekeeping.h"

#include "identify.h"
#include "match.h"
#include "saved_names.h"
#include "store_error.h"

std::string unsafeRecordMessage(const std::string& reason) {
  return "試合の記録を安全に保存できません。記録は続けられますが、"
         "プログラムが止まると失われることがあります。\n" +
         reason;
}

MatchSafekeeping::MatchSafekeeping(Match& m, KeptScreen& screen, std::filesystem::path folder)
    : m_(m), screen_(screen), folder_(std::move(folder)) {}

std::optional<std::filesystem::path> MatchSafekeeping::file() const {
  if (file_) return file_->path();
  return std::nullopt;
}

bool MatchSafekeeping::worthKeeping() const {
  return m_.unsaved() || m_.clock().started() || !m_.events().empty() || m_.entry().open();
}

std::optional<std::string> MatchSafekeeping::keep() {
  if (!file_ && !worthKeeping()) return std::nullopt;
  return commit();
}

std::optional<std::string> MatchSafekeeping::commit() {
  try {
    if (!file_) file_ = MatchFile::create(folder_);
    // The file deleted (with its folder, say) or moved away while the match
    // goes on: written on, it would be lost at the next start.
    if (!file_->inPlace()) file_->moveInto(folder_, m_, screen_.stored());
    file_->commit(m_, screen_.stored());
    failing_ = false;
    return std::nullopt;
  } catch (const StoreError& e) {
    const bool first = !failing_;
    failing_ = true;
    if (!first) return std::nullopt;
    return unsafeRecordMessage(e.what());
  }
}

void MatchSafekeeping::restore(const std::filesystem::path& path) {
  MatchFile opened = MatchFile::open(path);
  screen_.restore(opened.restoreInto(m_));
  file_ = std::move(opened);
  failing_ = false;
}

void MatchSafekeeping::open(const std::filesystem::path& path) {
  // The file is opened first: when it cannot be, this match goes on as it
  // was, in its own file.
  Match loaded;
  StoredScreen screen;
  MatchFile imported = MatchFile::import(path, folder_, loaded, screen);
  if (const auto source = savedFile(path.string())) loaded.adoptFile(*source);
  // The match left behind stays on disk among the ended ones.
  if (file_) end();
  m_.restore(loaded.state());
  screen_.restore(screen);
  // A copy is a moment of the match, written at a save: a clock that ran
  // then stops where it stood, rather than jumping on by the time since,
  // and the operator sets it and goes on.
  if (m_.clock().ticking()) {
    const int shown = m_.clock().shownSeconds();
    m_.togglePause();
    m_.setClock(shown);
  }
  file_ = std::move(imported);
  failing_ = false;
  commit();
}

void MatchSafekeeping::copyBeside(const std::string& stem) {
  // The copy holds the save that asked for it.
  keep();
  if (!file_) return;
  const std::string name = matchCopyName(stem);
  file_->backupTo(name);
  if (const auto saved = savedFile(name)) m_.markSaved({*saved});
}

std::optional<std::string> MatchSafekeeping::end() {
  if (!file_) return std::nullopt;  // nothing was ever done: nothing to keep
  try {
    file_->commit(m_, screen_.stored());
    file_->markEndedCleanly();
    file_.reset();
    return std::nullopt;
  } catch (const StoreError& e) {
    return unsafeRecordMessage(e.what());
  }
}
