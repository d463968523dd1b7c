// A thin owner of an SQLite connection and its prepared statements: each is
// closed or finalized exactly once, and every failure throws SqliteError
// with SQLite's codes and message.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

class SqliteError : public std::runtime_error {
 public:
  SqliteError(sqlite3* db, int code, std::string_view doing);
  int code() const { return code_ & 0xff; }  // the primary result code
  int extendedCode() const { return code_; }
  int systemError() const { return systemError_; }  // errno of a failed system call, or 0

 private:
  int code_;
  int systemError_;
};

class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;

  // Parameters count from 1, columns from 0.
  Statement& bind(int i, int64_t value);
  Statement& bind(int i, int value) { return bind(i, int64_t{value}); }
  Statement& bind(int i, bool value) { return bind(i, int64_t{value}); }
  Statement& bind(int i, double value);
  Statement& bind(int i, std::string_view text);
  Statement& bind(int i, const char* text) { return bind(i, std::string_view(text)); }
  Statement& bind(int i, const std::string& text) { return bind(i, std::string_view(text)); }

  // The next row: false once there is none, when the statement is reset.
  bool step();
  // Runs a statement that returns no rows, then resets it.
  void run();
  void reset();

  int64_t integer(int col) const;
  double real(int col) const;
  std::string text(int col) const;

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
};

class Database {
 public:
  // Flags as sqlite3_open_v2 takes them.
  Database(const std::string& path, int flags);
  ~Database();
  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;

  sqlite3* handle() const { return db_; }
  void exec(const char* sql);
  Statement prepare(std::string_view sql) { return Statement(db_, sql); }
  // The first column of the first row of a query, e.g. a pragma.
  int64_t queryInteger(const char* sql);
  std::string queryText(const char* sql);
  bool inTransaction() const;

 private:
  void close() noexcept;
  sqlite3* db_ = nullptr;
};
