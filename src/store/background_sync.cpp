#include "background_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

BackgroundSync::BackgroundSync(std::string path)
    : path_(std::move(path)), thread_([this] { run(); }) {}

BackgroundSync::~BackgroundSync() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
  if (fd_ >= 0) close(fd_);
}

void BackgroundSync::request() {
  {
    std::lock_guard lock(mutex_);
    ++requested_;
  }
  wake_.notify_one();
}

void BackgroundSync::wait() {
  std::unique_lock lock(mutex_);
  const uint64_t target = requested_;
  done_.wait(lock, [&] { return synced_ >= target || stopping_; });
}

int BackgroundSync::takeError() {
  std::lock_guard lock(mutex_);
  const int error = error_;
  error_ = 0;
  return error;
}

void BackgroundSync::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return requested_ > synced_ || stopping_; });
    if (requested_ == synced_ && stopping_) return;
    const uint64_t target = requested_;
    lock.unlock();
    const bool synced = syncOnce();
    const int error = synced ? 0 : errno;
    lock.lock();
    if (!synced) error_ = error;
    synced_ = target;
    done_.notify_all();
  }
}

// The first time, the folder is synced too, so that the file's name is on
// the disk as well as its bytes.
bool BackgroundSync::syncOnce() {
  if (fd_ < 0) {
    fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    const int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      fsync(dir);
      close(dir);
    }
  }
  return fdatasync(fd_) == 0;
}
