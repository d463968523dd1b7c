#include "match_safekeeping.h"

#include "identify.h"
#include "match_file.h"
#include "saved_names.h"
#include "screen.h"
#include "store_error.h"

MatchSafekeeping::MatchSafekeeping(Match& m, Screen& s, std::filesystem::path folder)
    : m_(m), s_(s), folder_(std::move(folder)), keeper_(std::make_unique<MatchKeeper>(folder_)) {}

std::optional<std::filesystem::path> MatchSafekeeping::file() {
  if (MatchFile* f = keeper_->file()) return f->path();
  return std::nullopt;
}

bool MatchSafekeeping::worthKeeping() const {
  return m_.unsaved() || m_.clock().started() || !m_.events().empty() || m_.entry().open();
}

std::optional<std::string> MatchSafekeeping::keep() {
  if (!keeper_->file() && !worthKeeping()) return std::nullopt;
  return keeper_->keep(m_, s_);
}

void MatchSafekeeping::restore(const std::filesystem::path& path) {
  MatchFile opened = MatchFile::open(path);
  opened.restoreInto(m_, s_);
  keeper_ = std::make_unique<MatchKeeper>(folder_, std::move(opened));
}

void MatchSafekeeping::open(const std::filesystem::path& path) {
  // The file is opened first: when it cannot be, this match goes on as it
  // was, in its own file.
  Match loaded;
  Screen screen(loaded);
  MatchFile imported = MatchFile::import(path, folder_, loaded, screen);
  if (const auto source = savedFile(path.string())) loaded.adoptFile(*source);
  // The match left behind stays on disk among the ended ones.
  if (keeper_->file()) keeper_->end(m_, s_);
  m_.restore(loaded.state());
  s_.restore(screen.state());
  // A copy is a moment of the match, written at a save: a clock that ran
  // then stops where it stood, rather than jumping on by the time since,
  // and the operator sets it and goes on.
  if (m_.clock().ticking()) {
    const int shown = m_.clock().shownSeconds();
    m_.togglePause();
    m_.setClock(shown);
  }
  keeper_ = std::make_unique<MatchKeeper>(folder_, std::move(imported));
  keeper_->keep(m_, s_);
}

void MatchSafekeeping::copyBeside(const std::string& stem) {
  // The copy holds the save that asked for it.
  keep();
  MatchFile* f = keeper_->file();
  if (!f) return;
  const std::string name = matchCopyName(stem);
  f->backupTo(name);
  if (const auto saved = savedFile(name)) m_.markSaved({*saved});
}

std::optional<std::string> MatchSafekeeping::end() {
  return keeper_->end(m_, s_);
}
