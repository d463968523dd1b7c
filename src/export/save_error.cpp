#include "save_error.h"

#include <cerrno>

SaveError::SaveError(int error) : UserError(saveErrorMessage(error)), error_(error) {}

std::string saveErrorMessage(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "不正なファイル名です";
    case EMFILE:
    case ENFILE:
      return "オープンしたファイルが多すぎます";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return "ファイルへのアクセスが拒否されました";
    default:
      return "I/O エラー (" + std::to_string(error) + ")";
  }
}
