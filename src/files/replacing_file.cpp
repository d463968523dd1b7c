#include "replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "file_faults.h"
#include "save_error.h"

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The folder part of the path as typed, with its trailing slash ("" for the
// working directory).
std::string folderPrefix(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The mode a newly created file gets: 0666 less the umask. The umask is read
// from /proc rather than set and reset, which would race with other threads.
mode_t newFileMode() {
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("Umask:", 0) == 0)
      mask = static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  return 0666 & ~mask;
}

// Whether the saving user may write `path`. Root may write anything, so for
// root a file or folder without any write bit counts as read-only; anyone
// else is asked about by the system's own rule, which a rename into a
// writable folder would otherwise get round.
bool writable(const std::string& path, mode_t mode) {
  if (geteuid() == 0) return (mode & kAnyWrite) != 0;
  return access(path.c_str(), W_OK) == 0;
}

// The mode the finished file should have: an older file keeps its own.
mode_t checkTarget(const std::string& path) {
  struct stat target {};
  if (stat(path.c_str(), &target) == 0) {
    if (S_ISDIR(target.st_mode)) throw SaveError(EISDIR, path);
    if (!writable(path, target.st_mode)) throw SaveError(EACCES, path);
    return target.st_mode & 07777;
  }
  if (errno != ENOENT) throw SaveError(errno, path);
  return newFileMode();
}

void checkFolder(const std::string& prefix, const std::string& path) {
  const std::string folder = prefix.empty() ? "." : prefix;
  struct stat dir {};
  if (stat(folder.c_str(), &dir) != 0) {
    if (errno == ENOENT) throw SaveError::missingFolder(prefix.substr(0, prefix.size() - 1));
    throw SaveError(errno, path);
  }
  if (!S_ISDIR(dir.st_mode)) throw SaveError(ENOTDIR, path);
  if (!writable(folder, dir.st_mode)) throw SaveError(EACCES, path);
}

}  // namespace

ReplacingFile::ReplacingFile(std::string path, FileFaults* faults)
    : path_(std::move(path)), faults_(faults) {
  const mode_t mode = checkTarget(path_);
  const std::string prefix = folderPrefix(path_);
  checkFolder(prefix, path_);
  if (const int error = takeFault(faults_, FileOp::Open)) throw SaveError(error, path_);

  std::string name = prefix + ".hb-save-XXXXXX";
  std::vector<char> buffer(name.begin(), name.end());
  buffer.push_back('\0');
  fd_ = mkostemp(buffer.data(), O_CLOEXEC);
  if (fd_ < 0) throw SaveError(errno, path_);
  tempPath_ = buffer.data();
  if (fchmod(fd_, mode) != 0) fail(errno);
}

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) close(fd_);
  if (!committed_ && !tempPath_.empty()) unlink(tempPath_.c_str());
}

void ReplacingFile::fail(int error) {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  unlink(tempPath_.c_str());
  tempPath_.clear();
  throw SaveError(error, path_);
}

namespace {
// One system call per this many bytes rather than one per line.
constexpr size_t kBufferSize = 64 * 1024;
}  // namespace

void ReplacingFile::write(std::string_view bytes) {
  if (const int error = takeFault(faults_, FileOp::Write)) fail(error);
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferSize) flush();
}

void ReplacingFile::flush() {
  std::string_view bytes = buffer_;
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  buffer_.clear();
}

void ReplacingFile::finish() {
  if (fd_ < 0) return;
  flush();
  // On disk before it replaces the older file, so a crash leaves one of the two.
  if (fsync(fd_) != 0) fail(errno);
  const int injected = takeFault(faults_, FileOp::Close);
  const int closed = close(fd_);
  fd_ = -1;
  if (injected) fail(injected);
  if (closed != 0) fail(errno);
}

void ReplacingFile::commit() {
  finish();
  if (rename(tempPath_.c_str(), path_.c_str()) != 0) fail(errno);
  committed_ = true;
}
