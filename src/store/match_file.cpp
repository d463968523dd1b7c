#include "match_file.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "file_places.h"
#include "match_writer.h"
#include "replacing_file.h"
#include "schema.h"

namespace {

namespace fs = std::filesystem;

// The lock is taken at the first read and kept until the file is closed;
// with it the write-ahead log needs no shared memory file either.
Database connect(const fs::path& path) {
  Database db(path.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
  db.exec("PRAGMA locking_mode = EXCLUSIVE");
  return db;
}

void useJournal(Database& db, const std::string& path) {
  if (db.queryText("PRAGMA journal_mode = WAL") != "wal")
    throw StoreError(StoreProblem::CannotWrite, path, "journal");
}

// A consistent copy of `from` in memory, through SQLite's backup.
Database copyInMemory(const Database& from) {
  Database copy(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  sqlite3_backup* backup = sqlite3_backup_init(copy.handle(), "main", from.handle(), "main");
  if (!backup) throw SqliteError(copy.handle(), sqlite3_errcode(copy.handle()), "backup");
  sqlite3_backup_step(backup, -1);
  const int rc = sqlite3_backup_finish(backup);
  if (rc != SQLITE_OK) throw SqliteError(copy.handle(), rc, "backup");
  return copy;
}

// The checks every file passes before it is used; returns its version.
int64_t checkMatchFile(Database& db, const std::string& path) {
  const int64_t id = db.queryInteger("PRAGMA application_id");
  const int64_t version = db.queryInteger("PRAGMA user_version");
  if (id != kMatchFileId) throw StoreError(StoreProblem::NotMatchFile, path);
  if (version > kSchemaVersion) throw StoreError(StoreProblem::Newer, path);
  const std::string check = db.queryText("PRAGMA quick_check");
  if (check != "ok") throw StoreError(StoreProblem::Damaged, path, check);
  return version;
}

void checkPlace(const fs::path& path) {
  const std::string name = path.string();
  struct stat st {};
  if (stat(path.c_str(), &st) != 0)
    throw StoreError(StoreProblem::NotMatchFile, name, strerror(errno));
  if (!S_ISREG(st.st_mode)) throw StoreError(StoreProblem::NotMatchFile, name);
}

// A new, empty file in `folder` holding the fresh match `m` and `screen`,
// all in one transaction: a file a crash leaves empty here is no match file
// and never offered.
std::unique_ptr<MatchWriter> createFile(const fs::path& folder, const std::string& stem,
                                        const std::string& started, const Match& m,
                                        const StoredScreen& screen, Durability durability,
                                        fs::path& path) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw storeWriteError(error.value(), folder.string());
  if (!writable(folder))
    throw StoreError(StoreProblem::CannotWrite, folder.string(), "書き込みが許可されていません");
  try {
    path = makeNewFile(folder, stem, kMatchFileExtension);
  } catch (const std::system_error& e) {
    throw storeWriteError(e.code().value(), folder.string());
  }
  try {
    Database db = connect(path);
    useJournal(db, path.string());
    db.exec("PRAGMA synchronous = FULL");
    db.exec("BEGIN IMMEDIATE");
    upgradeSchema(db, 0);
    auto writer = std::make_unique<MatchWriter>(std::move(db), durability, path.string());
    writer->header().started = started;
    writer->writeAll(m, screen);
    writer->db().exec("COMMIT");
    syncFolder(folder);
    return writer;
  } catch (const SqliteError& e) {
    fs::remove(path, error);
    fs::remove(path.string() + "-wal", error);
    throw storeErrorOf(e, path.string());
  }
}

}  // namespace

MatchFile::MatchFile(fs::path path, std::unique_ptr<MatchWriter> writer)
    : path_(std::move(path)), writer_(std::move(writer)) {}
MatchFile::MatchFile(MatchFile&&) noexcept = default;
MatchFile& MatchFile::operator=(MatchFile&&) noexcept = default;
MatchFile::~MatchFile() = default;

MatchWriter& MatchFile::writer() const {
  if (!writer_) throw StoreError(StoreProblem::CannotWrite, path_.string(), "closed");
  return *writer_;
}

MatchFile MatchFile::create(const fs::path& folder, std::chrono::system_clock::time_point now,
                            Durability durability) {
  const Match fresh;
  fs::path path;
  auto writer =
      createFile(folder, localTime(now, "%Y-%m-%d_%H-%M-%S"), localTime(now, "%Y-%m-%d %H:%M:%S"),
                 fresh, StoredScreen{}, durability, path);
  return MatchFile(path, std::move(writer));
}

MatchFile MatchFile::open(const fs::path& path, Durability durability) {
  const std::string name = path.string();
  checkPlace(path);
  if (!writable(path) || !writable(path.has_parent_path() ? path.parent_path() : fs::path(".")))
    throw StoreError(StoreProblem::CannotWrite, name, "読み取り専用です");
  try {
    Database db = connect(path);
    const int64_t version = checkMatchFile(db, name);
    useJournal(db, name);
    if (version < kSchemaVersion) {
      db.exec("BEGIN IMMEDIATE");
      upgradeSchema(db, static_cast<int>(version));
      db.exec("COMMIT");
    }
    auto writer = std::make_unique<MatchWriter>(std::move(db), durability, name);
    Statement started = writer->db().prepare("SELECT started FROM match WHERE id = 1");
    if (!started.step()) throw StoreError(StoreProblem::Damaged, name, "no match row");
    writer->header().started = started.text(0);
    started.reset();
    return MatchFile(path, std::move(writer));
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, name);
  }
}

MatchFile MatchFile::import(const fs::path& source, const fs::path& folder, Match& m,
                            StoredScreen& screen, Durability durability) {
  const std::string name = source.string();
  checkPlace(source);
  std::unique_ptr<Database> held;
  StoredMatch st;
  try {
    // Read-write where the file allows it, only for the lock: nothing is
    // written to it.
    held = std::make_unique<Database>(connect(source));
    const int64_t version = checkMatchFile(*held, name);
    // An exclusive transaction takes the lock that keeps other programs
    // out, and the locking mode keeps it after the commit; a file that
    // cannot be written can only be shared.
    try {
      held->exec("BEGIN EXCLUSIVE");
    } catch (const SqliteError& e) {
      if (e.code() != SQLITE_READONLY) throw;
      held->exec("BEGIN");
    }
    if (version == kSchemaVersion) {
      st = readStoredMatch(*held, name);
      held->exec("COMMIT");
    } else {
      // An older program's file is only read: a copy in memory is brought
      // up to date and read instead. The lock stays after the commit; the
      // backup cannot read through an open write transaction.
      held->exec("COMMIT");
      Database copy = copyInMemory(*held);
      copy.exec("BEGIN");
      upgradeSchema(copy, static_cast<int>(version));
      copy.exec("COMMIT");
      st = readStoredMatch(copy, name);
    }
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, name);
  }
  std::string stem = st.started;
  for (char& c : stem) c = c == ' ' ? '_' : c == ':' ? '-' : c;
  // Kept first, so that `m` and `screen` change only once the match is safe.
  Match loaded;
  loaded.restore(std::move(st.match));
  fs::path path;
  auto writer = createFile(folder, stem, st.started, loaded, st.screen, durability, path);
  m.restore(loaded.state());
  screen = std::move(st.screen);
  writer->assumeWritten(m, screen);
  MatchFile file(path, std::move(writer));
  file.source_ = std::move(held);
  return file;
}

void MatchFile::commit(const Match& m, const StoredScreen& screen) {
  MatchWriter& w = writer();
  try {
    w.commit(m, screen);
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, path_.string());
  }
  if (BackgroundSync* flusher = w.flusher())
    if (const int error = flusher->takeError())
      throw storeWriteError(error, path_.string());
}

void MatchFile::waitUntilOnDisk() {
  if (BackgroundSync* flusher = writer().flusher()) flusher->wait();
}

StoredMatch MatchFile::load() {
  try {
    return readStoredMatch(writer().db(), path_.string());
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, path_.string());
  }
}

StoredScreen MatchFile::restoreInto(Match& m) {
  StoredMatch st = load();
  m.restore(std::move(st.match));
  writer().assumeWritten(m, st.screen);
  return std::move(st.screen);
}

void MatchFile::markEndedCleanly() {
  try {
    writer().markEnded();
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, path_.string());
  }
  writer_.reset();  // checkpoints the log into the file and lets go of the lock
  source_.reset();
  // The mark is what counts; moving the file only spares start-up opening it.
  moveAside(path_, kEndedFolder);
}

void MatchFile::backupTo(const std::string& path) const {
  std::string bytes;
  try {
    Database copy = copyInMemory(writer().db());
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(copy.handle(), "main", &size, 0);
    if (!data) throw SqliteError(nullptr, SQLITE_NOMEM, "backup");
    bytes.assign(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
    sqlite3_free(data);
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, path);
  }
  // The pages copied keep the write-ahead log's mark (file format versions
  // 2 at bytes 18 and 19); the copy is a file on its own, so it gets the
  // rollback journal's (1) and opens anywhere, even read-only.
  if (bytes.size() >= 100) bytes[18] = bytes[19] = 1;
  ReplacingFile out(path);
  out.write(bytes);
  out.commit();
}
