#include "file_places.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <system_error>

namespace fs = std::filesystem;

std::string localTime(std::chrono::system_clock::time_point t, const char* format) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

bool writable(const fs::path& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  if (geteuid() == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  return access(path.c_str(), W_OK) == 0;
}

namespace {
fs::path numbered(const fs::path& folder, const std::string& stem, const std::string& extension,
                  int n) {
  return folder / (stem + (n > 1 ? "_" + std::to_string(n) : "") + extension);
}
}  // namespace

fs::path makeNewFile(const fs::path& folder, const std::string& stem,
                     const std::string& extension) {
  for (int n = 1;; ++n) {
    const fs::path path = numbered(folder, stem, extension, n);
    const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) throw std::system_error(errno, std::generic_category(), path.string());
  }
}

bool moveAside(const fs::path& path, const std::string& aside) {
  const fs::path folder = path.parent_path() / aside;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return false;
  const std::string stem = path.stem().string();
  const std::string extension = path.extension().string();
  for (int n = 1; n < 1000; ++n) {
    const fs::path target = numbered(folder, stem, extension, n);
    if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
      syncFolder(folder);
      syncFolder(path.parent_path());
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  ::close(fd);
}
