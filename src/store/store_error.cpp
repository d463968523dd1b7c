#include "store_error.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "sqlite_db.h"

namespace {

std::string messageOf(StoreProblem problem, const std::string& path, const std::string& detail) {
  std::string text;
  switch (problem) {
    case StoreProblem::InUse:
      text = "この試合の記録ファイルは別のプログラムが使用中です";
      break;
    case StoreProblem::NotMatchFile:
      text = "試合の記録ファイルではありません";
      break;
    case StoreProblem::Damaged:
      text = "試合の記録ファイルが壊れています";
      break;
    case StoreProblem::Newer:
      text = "新しい版のプログラムで作られた記録ファイルです";
      break;
    case StoreProblem::DiskFull:
      text = "ディスクの空きが足りません";
      break;
    case StoreProblem::CannotWrite:
      text = "試合の記録をファイルに書き込めません";
      break;
    case StoreProblem::CannotRead:
      text = "試合の記録ファイルを読み取れません";
      break;
  }
  text += " (" + path + ")";
  if (!detail.empty()) text += "\n" + detail;
  return text;
}

std::string systemDetail(int error) {
  return error ? std::string(" (") + std::strerror(error) + ")" : std::string();
}

bool diskFull(int error) {
  return error == ENOSPC || error == EDQUOT;
}

// SQLite says "not a database" both for a file of another kind and for one
// of its own whose first page is damaged; only the second was a match file.
bool startsLikeSqlite(const std::string& path) {
  static constexpr char kHeader[] = "SQLite format 3";  // with its NUL: 16 bytes
  char head[sizeof kHeader] = {};
  std::ifstream file(path, std::ios::binary);
  return file.read(head, sizeof head) && std::memcmp(head, kHeader, sizeof head) == 0;
}

}  // namespace

StoreError::StoreError(StoreProblem problem, const std::string& path, const std::string& detail)
    : UserError(messageOf(problem, path, detail)), problem_(problem) {}

StoreError storeErrorOf(const SqliteError& e, const std::string& path) {
  switch (e.code()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return StoreError(StoreProblem::InUse, path);
    case SQLITE_NOTADB:
      if (startsLikeSqlite(path)) return StoreError(StoreProblem::Damaged, path, e.what());
      return StoreError(StoreProblem::NotMatchFile, path);
    case SQLITE_CORRUPT:
    case SQLITE_TOOBIG:  // a value beyond what this program ever writes
      return StoreError(StoreProblem::Damaged, path, e.what());
    case SQLITE_FULL:
      return StoreError(StoreProblem::DiskFull, path);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
      return StoreError(StoreProblem::CannotWrite, path,
                        "書き込みが許可されていません" + systemDetail(e.systemError()));
    default:
      // A write cut short by a full disk comes as an I/O error.
      if (diskFull(e.systemError())) return StoreError(StoreProblem::DiskFull, path);
      return StoreError(StoreProblem::CannotWrite, path,
                        "I/O エラー" + systemDetail(e.systemError()) + " " + e.what());
  }
}

StoreError storeWriteError(int error, const std::string& path) {
  if (diskFull(error)) return StoreError(StoreProblem::DiskFull, path);
  return StoreError(StoreProblem::CannotWrite, path, std::strerror(error));
}
