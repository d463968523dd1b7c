#include "identify.h"

#include <sys/stat.h>

std::optional<FileIdentity> fileIdentity(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

std::optional<SavedFile> savedFile(const std::string& path) {
  const auto id = fileIdentity(path);
  if (!id) return std::nullopt;
  return SavedFile{path, *id};
}
