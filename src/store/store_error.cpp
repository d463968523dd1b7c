#include "store_error.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

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
    case StoreProblem::CannotWrite:
      text = "試合の記録をファイルに書き込めません";
      break;
  }
  text += " (" + path + ")";
  if (!detail.empty()) text += ": " + detail;
  // One line, as standard error lists one file per line.
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

std::string systemDetail(int error) {
  return error ? std::string(" (") + std::strerror(error) + ")" : std::string();
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
      return StoreError(StoreProblem::NotMatchFile, path);
    case SQLITE_CORRUPT:
      return StoreError(StoreProblem::Damaged, path, e.what());
    case SQLITE_FULL:
      return StoreError(StoreProblem::CannotWrite, path, "ディスクがいっぱいです");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
      return StoreError(StoreProblem::CannotWrite, path,
                        "書き込みが許可されていません" + systemDetail(e.systemError()));
    default:
      return StoreError(StoreProblem::CannotWrite, path,
                        "I/O エラー" + systemDetail(e.systemError()) + " " + e.what());
  }
}
