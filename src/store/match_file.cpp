#include "match_file.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>
#include <thread>

#include "file_places.h"
#include "identify.h"
#include "match_writer.h"
#include "replacing_file.h"
#include "schema.h"

namespace {

namespace fs = std::filesystem;

// Anyone can send a match file, and start-up opens every file in the data
// folder: a crafted one is read with SQLite's defences for untrusted files
// (no schema tricks, no functions run from the schema, no value longer than
// kMaxValueBytes materialised), so that it is refused quickly rather than
// keeping the program busy.
void guard(Database& db) {
  sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, kMaxValueBytes);
}

// The lock is taken at the first read and kept until the file is closed;
// with it the write-ahead log needs no shared memory file either.
Database connect(const fs::path& path) {
  Database db(path.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
  guard(db);
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
  guard(copy);
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
  // This program makes tables and indexes only: anything else would run
  // someone else's SQL at every read or write.
  if (db.queryInteger("SELECT count(*) FROM sqlite_schema WHERE type NOT IN ('table', 'index')"))
    throw StoreError(StoreProblem::Damaged, path, "schema");
  return version;
}

// A regular file no larger than a match file can grow, with its log.
void checkPlace(const fs::path& path) {
  const std::string name = path.string();
  struct stat st {};
  if (stat(path.c_str(), &st) != 0)
    throw StoreError(StoreProblem::NotMatchFile, name, strerror(errno));
  if (!S_ISREG(st.st_mode)) throw StoreError(StoreProblem::NotMatchFile, name);
  struct stat log {};
  const int64_t size = st.st_size + (stat((name + "-wal").c_str(), &log) == 0 ? log.st_size : 0);
  if (size > kMaxFileBytes)
    throw StoreError(StoreProblem::Damaged, name, "size " + std::to_string(size));
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

// Whether another program holds one of SQLite's locks on the file: POSIX
// record locks on the bytes from 0x40000000 (pending, reserved, shared),
// which F_GETLK reports without taking them. A lock this program holds is
// not seen; opening such a file here at all would lose it, as closing any
// descriptor of a file drops the process's locks on it.
bool lockedElsewhere(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct flock probe {};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  probe.l_start = 0x40000000;
  probe.l_len = 512;
  const bool held = fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  return held;
}

// What tells that a file changed while it was read.
struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modified = 0;
  bool log = false;  // a write-ahead log beside it
  bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const fs::path& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  struct stat wal {};
  return {st.st_dev, st.st_ino, st.st_size,
          int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec,
          stat((path.string() + "-wal").c_str(), &wal) == 0};
}

// A file URI for sqlite3_open_v2, with the characters a URI reserves escaped.
std::string fileUri(const fs::path& path, const char* query) {
  std::string uri = "file:";
  for (const char c : fs::absolute(path).string()) {
    if (c == '%' || c == '?' || c == '#') {
      static const char* hex = "0123456789ABCDEF";
      uri += '%';
      uri += hex[(c >> 4) & 15];
      uri += hex[c & 15];
    } else {
      uri += c;
    }
  }
  return uri + "?" + query;
}

// The file's pages copied into memory without a lock or a byte written
// beside it. With no log beside it the file holds every commit, and is read
// as immutable; a log left by a program that stopped is read, with the
// file, from a copy in a scratch folder.
Database copyUntouched(const fs::path& path) {
  if (!fs::exists(path.string() + "-wal")) {
    Database file(fileUri(path, "mode=ro&immutable=1"),
                  SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX);
    guard(file);
    return copyInMemory(file);
  }
  std::string pattern = (fs::temp_directory_path() / "hbmatch-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw storeWriteError(errno, pattern);
  const fs::path scratch(pattern);
  const fs::path copy = scratch / "copy.hbmatch";
  std::error_code error;
  fs::copy_file(path, copy, error);
  if (!error) fs::copy_file(path.string() + "-wal", copy.string() + "-wal", error);
  std::optional<Database> memory;
  std::optional<SqliteError> failed;
  if (!error) {
    try {
      Database held = connect(copy);
      memory = copyInMemory(held);
    } catch (const SqliteError& e) {
      failed = e;
    }
  }
  fs::remove_all(scratch, error);
  if (failed) throw *failed;
  if (!memory) throw StoreError(StoreProblem::NotMatchFile, path.string(), "copy");
  return std::move(*memory);
}

}  // namespace

MatchFile::MatchFile(fs::path path, std::unique_ptr<MatchWriter> writer)
    : path_(std::move(path)),
      id_(fileIdentity(path_.string())),
      started_(writer->header().started),
      writer_(std::move(writer)) {}
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
  StoredMatch st;
  try {
    // The file is only read, and let go of at once: a copy in memory is
    // checked, brought up to date if an older program made it, and read.
    // Read-write where the file allows it, for the lock that keeps out a
    // program writing it meanwhile; nothing is written to it.
    Database copy = [&] {
      Database held = connect(source);
      return copyInMemory(held);
    }();
    const int64_t version = checkMatchFile(copy, name);
    if (version < kSchemaVersion) {
      copy.exec("BEGIN");
      upgradeSchema(copy, static_cast<int>(version));
      copy.exec("COMMIT");
    }
    st = readStoredMatch(copy, name);
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
  return MatchFile(path, std::move(writer));
}

StoredMatch MatchFile::peek(const fs::path& path) {
  checkPlace(path);
  // Its holder keeps SQLite out; the bytes of the file and of its log are
  // read as they stand, and the log's checksums leave out a commit caught
  // half written.
  std::string pattern = (fs::temp_directory_path() / "hbmatch-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw storeWriteError(errno, pattern);
  const fs::path scratch(pattern);
  const fs::path copy = scratch / path.filename();
  std::error_code error;
  fs::copy_file(path, copy, error);
  if (!error && fs::exists(path.string() + "-wal"))
    fs::copy_file(path.string() + "-wal", copy.string() + "-wal", error);
  std::optional<StoredMatch> st;
  std::optional<StoreError> failed;
  if (error) {
    failed = storeWriteError(error.value(), path.string());
  } else {
    try {
      st = open(copy).load();
    } catch (const StoreError& e) {
      failed = StoreError(e.problem(), path.string());
    }
  }
  fs::remove_all(scratch, error);
  if (failed) throw *failed;
  return std::move(*st);
}

StoredMatch MatchFile::readOnly(const fs::path& path, int* version) {
  const std::string name = path.string();
  checkPlace(path);
  if (access(path.c_str(), R_OK) != 0)
    throw StoreError(StoreProblem::CannotRead, name, strerror(errno));
  // A program recording the file holds it for as long as it has it open;
  // one that only reads lets go within milliseconds.
  for (int wait = 0; lockedElsewhere(path); ++wait) {
    if (wait == 10) throw StoreError(StoreProblem::InUse, name);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  try {
    for (int attempt = 0;; ++attempt) {
      const Stamp before = stampOf(path);
      Database copy = copyUntouched(path);
      if (!(stampOf(path) == before) || lockedElsewhere(path)) {
        if (attempt == 2) throw StoreError(StoreProblem::InUse, name);
        continue;  // written meanwhile: read again
      }
      const int64_t found = checkMatchFile(copy, name);
      if (version) *version = static_cast<int>(found);
      if (found < kSchemaVersion) {
        copy.exec("BEGIN");
        upgradeSchema(copy, static_cast<int>(found));
        copy.exec("COMMIT");
      }
      return readStoredMatch(copy, name);
    }
  } catch (const SqliteError& e) {
    const StoreError error = storeErrorOf(e, name);
    // Nothing here writes: what would be a write's failure is a read's.
    if (error.problem() == StoreProblem::CannotWrite || error.problem() == StoreProblem::DiskFull)
      throw StoreError(StoreProblem::CannotRead, name, e.what());
    throw error;
  }
}

bool MatchFile::inPlace() const {
  return !id_ || fileIdentity(path_.string()) == id_;
}

void MatchFile::moveInto(const fs::path& folder, const Match& m, const StoredScreen& screen) {
  // Let go of first: closing removes the log by its old name, which the new
  // file may come to bear.
  if (writer_) started_ = writer_->header().started;
  // After a try that failed the program's own setting is taken.
  const Durability durability = writer_ ? writer_->durability() : Durability::Background;
  writer_.reset();
  const std::string stem = localTime(std::chrono::system_clock::now(), "%Y-%m-%d_%H-%M-%S");
  fs::path path;
  auto writer = createFile(folder, stem, started_, m, screen, durability, path);
  writer->assumeWritten(m, screen);
  path_ = path;
  id_ = fileIdentity(path_.string());
  writer_ = std::move(writer);
}

void MatchFile::commit(const Match& m, const StoredScreen& screen) {
  MatchWriter& w = writer();
  try {
    w.commit(m, screen);
  } catch (const SqliteError& e) {
    throw storeErrorOf(e, path_.string());
  }
  if (BackgroundSync* flusher = w.flusher())
    if (const int error = flusher->takeError()) throw storeWriteError(error, path_.string());
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
