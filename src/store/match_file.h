// The file that keeps a match while it is recorded, so that no step already
// taken is lost when the program stops: an SQLite database written after
// every step, in a transaction of its own, and held by one program at a time.
//
// Journal: write-ahead log, synced in the background after each commit
// (Durability::Background below; docs/performance.md has the figures behind
// this choice). The lock is held for as long as the file is open
// (locking_mode=EXCLUSIVE), so a second program gets StoreError (InUse) and
// touches nothing.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "file_identity.h"
#include "match.h"
#include "save_error.h"
#include "saved_names.h"
#include "store_error.h"
#include "stored_screen.h"

struct StoredMatch;

// When a commit reaches the disk. Under every setting a killed program
// loses nothing committed, and a power cut leaves a consistent file; they
// differ in what a power cut can take back and in what a click waits for.
enum class Durability {
  // synchronous=FULL: each commit waits for the disk; a power cut loses
  // nothing committed.
  EveryStep,
  // FULL for the commits that leave no event being entered: a click that
  // completes an event waits for the disk; a power cut loses at most the
  // clicks of the event in flight.
  EveryEvent,
  // synchronous=NORMAL, and the log is synced on a thread of its own right
  // after each commit: no click waits for the disk, and a power cut loses
  // at most the steps of the last sync or two, a few milliseconds.
  Background,
};

class MatchWriter;
class Database;

class MatchFile {
 public:
  // A new file in `folder` (made with its parents if need be), named by the
  // local date and time `now`, "2024-05-01_14-03-22.hbmatch", with "_2",
  // "_3"... when that name is taken. It holds a new match until the first
  // commit. Throws StoreError (CannotWrite) for a folder that cannot take it.
  static MatchFile create(
      const std::filesystem::path& folder,
      std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
      Durability durability = Durability::Background);
  // An existing file, brought up to date if an older program made it.
  // Throws StoreError: InUse, NotMatchFile, Damaged (truncated or corrupt),
  // Newer, or CannotWrite when it or its folder is read-only. Nothing is
  // ever deleted.
  static MatchFile open(const std::filesystem::path& path,
                        Durability durability = Durability::Background);
  // A match from elsewhere (a copy saved beside the tables, a file dropped
  // on the team sheet): brought into `m` and `screen` and kept from now on in a
  // new file in `folder`, named by the date and time the match was started.
  // The file it came from is only read, and let go of before this returns,
  // so that another program may open it too. Throws StoreError as open()
  // and create() do.
  static MatchFile import(const std::filesystem::path& source, const std::filesystem::path& folder,
                          Match& m, StoredScreen& screen,
                          Durability durability = Durability::Background);

  // What a file another program holds and keeps SQLite out of stands for,
  // read from a copy of its bytes. Throws StoreError as open() does.
  static StoredMatch peek(const std::filesystem::path& path);

  // The whole match of a file, only read: no lock is taken (a file another
  // program holds is refused as InUse after a short wait), nothing is
  // written beside it, and an older file is brought up to date in memory.
  // `version` gets the version the file was written in. Throws StoreError
  // as open() does.
  static StoredMatch readOnly(const std::filesystem::path& path, int* version = nullptr);

  MatchFile(MatchFile&&) noexcept;
  MatchFile& operator=(MatchFile&&) noexcept;
  ~MatchFile();

  const std::filesystem::path& path() const { return path_; }
  bool isOpen() const { return writer_ != nullptr; }
  // Whether path() still names the file being written: false once it was
  // deleted with its folder, moved, or replaced by another file. One stat,
  // a few microseconds, so that it can be asked at every step.
  bool inPlace() const;
  // The whole match and screen written into a new file in `folder` (made
  // again if it was deleted) and kept there from now on; the file that was
  // lost is let go of. Throws StoreError as create() does, and is asked
  // again at the next step.
  void moveInto(const std::filesystem::path& folder, const Match& m, const StoredScreen& screen);

  // Keeps the match and the screen as they stand, in one transaction that
  // writes only what changed since the last commit (new events are added;
  // all events are written again only after an edit). Throws StoreError
  // (CannotWrite) when the disk is full or the file cannot be written; what
  // was committed before stays, and the next commit writes everything that
  // is still missing. A background sync that failed since the last commit
  // is thrown here too, once the step is committed.
  void commit(const Match& m, const StoredScreen& screen);
  // Waits until every commit so far is on the disk.
  void waitUntilOnDisk();

  // The whole file. Throws StoreError (Damaged) for values out of range.
  StoredMatch load();
  // Puts the kept match back into `m` and returns the screen kept with it:
  // every window can be drawn again as it stood after the last commit, and
  // a running clock has run on meanwhile.
  StoredScreen restoreInto(Match& m);

  // The match ended through the team sheet's close box: it will not be
  // offered for restoring. Marks it so, closes the file and moves it into
  // the folder "ended" beside it, where start-up does not look.
  void markEndedCleanly();

  // A consistent copy of the file as committed last, written to `path`
  // through a temporary file that replaces it only once complete, like the
  // saved tables. Throws SaveError naming the file.
  void backupTo(const std::string& path) const;

 private:
  MatchFile(std::filesystem::path path, std::unique_ptr<MatchWriter> writer);
  MatchWriter& writer() const;

  std::filesystem::path path_;
  std::optional<FileIdentity> id_;  // of the file at path_ when it was opened or made
  std::string started_;
  std::unique_ptr<MatchWriter> writer_;
};

// The folder, beside the data folder's files, that matches move into once
// they ended through the close box.
inline constexpr const char* kEndedFolder = "ended";
