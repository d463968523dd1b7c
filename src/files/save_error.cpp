#include "save_error.h"

#include <cerrno>

SaveError::SaveError(int error, const std::string& file)
    : SaveError(error, saveErrorMessage(error, file), true) {}

SaveError::SaveError(int error, std::string message, bool)
    : UserError(std::move(message)), error_(error) {}

SaveError SaveError::missingFolder(const std::string& folder) {
  return SaveError(ENOENT, "フォルダがありません (" + folder + ")", true);
}

std::string saveErrorMessage(int error, const std::string& file) {
  const std::string named = " (" + file + ")";
  switch (error) {
    case ENAMETOOLONG:
      return "ファイル名が長すぎます";  // the name itself would fill the box
    case ENOENT:
    case ENOTDIR:
      return "不正なファイル名です" + named;
    case EMFILE:
    case ENFILE:
      return "オープンしたファイルが多すぎます" + named;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return "ファイルへのアクセスが拒否されました" + named;
    case ENOSPC:
    case EDQUOT:
      return "ディスクの空きが足りません" + named;
    default:
      return "I/O エラー (" + std::to_string(error) + ")" + named;
  }
}
