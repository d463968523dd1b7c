#include "sqlite_db.h"

#include <sqlite3.h>

#include <utility>

namespace {
std::string describe(sqlite3* db, int code, std::string_view doing) {
  std::string message(doing);
  message += ": ";
  // The connection's message is only about this failure while the code matches.
  message += db && sqlite3_extended_errcode(db) == code ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  return message;
}
}  // namespace

SqliteError::SqliteError(sqlite3* db, int code, std::string_view doing)
    : std::runtime_error(describe(db, code, doing)),
      code_(code),
      systemError_(db ? sqlite3_system_errno(db) : 0) {}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                    SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
  if (rc != SQLITE_OK) throw SqliteError(db, rc, "prepare");
}

Statement::~Statement() {
  sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    db_ = other.db_;
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

Statement& Statement::bind(int i, int64_t value) {
  const int rc = sqlite3_bind_int64(stmt_, i, value);
  if (rc != SQLITE_OK) throw SqliteError(db_, rc, "bind");
  return *this;
}

Statement& Statement::bind(int i, double value) {
  const int rc = sqlite3_bind_double(stmt_, i, value);
  if (rc != SQLITE_OK) throw SqliteError(db_, rc, "bind");
  return *this;
}

Statement& Statement::bind(int i, std::string_view text) {
  const int rc =
      sqlite3_bind_text64(stmt_, i, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  if (rc != SQLITE_OK) throw SqliteError(db_, rc, "bind");
  return *this;
}

bool Statement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  sqlite3_reset(stmt_);
  if (rc == SQLITE_DONE) return false;
  throw SqliteError(db_, rc, sqlite3_sql(stmt_));
}

void Statement::run() {
  while (step()) {
  }
}

void Statement::reset() {
  sqlite3_reset(stmt_);
}

int64_t Statement::integer(int col) const {
  return sqlite3_column_int64(stmt_, col);
}

double Statement::real(int col) const {
  return sqlite3_column_double(stmt_, col);
}

std::string Statement::text(int col) const {
  const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
  return bytes ? std::string(bytes, static_cast<size_t>(sqlite3_column_bytes(stmt_, col)))
               : std::string();
}

Database::Database(const std::string& path, int flags) {
  const int rc = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_EXRESCODE, nullptr);
  if (rc != SQLITE_OK) {
    SqliteError error(db_, rc, "open");
    close();
    throw error;
  }
}

Database::~Database() {
  close();
}

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    close();
    db_ = std::exchange(other.db_, nullptr);
  }
  return *this;
}

void Database::close() noexcept {
  // Statements are owned and finalized by their holders before this.
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

void Database::exec(const char* sql) {
  const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) throw SqliteError(db_, rc, sql);
}

int64_t Database::queryInteger(const char* sql) {
  Statement s(db_, sql);
  const int64_t value = s.step() ? s.integer(0) : 0;
  s.reset();
  return value;
}

std::string Database::queryText(const char* sql) {
  Statement s(db_, sql);
  std::string value = s.step() ? s.text(0) : std::string();
  s.reset();
  return value;
}

bool Database::inTransaction() const {
  return db_ && !sqlite3_get_autocommit(db_);
}
