// Syncs a file to the disk on a thread of its own after each request, so
// that whoever asks does not wait for the disk. Requests that arrive while a
// sync runs are served by the next one, so at most two syncs are ever
// waited for after a write.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class BackgroundSync {
 public:
  // `path` need not exist yet; it is opened at the first request it does.
  explicit BackgroundSync(std::string path);
  ~BackgroundSync();  // waits for the sync in flight
  BackgroundSync(const BackgroundSync&) = delete;
  BackgroundSync& operator=(const BackgroundSync&) = delete;

  // Everything written to the file so far is to reach the disk.
  void request();
  // Waits until everything requested so far is on the disk (or failed).
  void wait();
  // The errno of a sync that failed since the last call, or 0.
  int takeError();

 private:
  void run();
  bool syncOnce();

  std::string path_;
  int fd_ = -1;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  uint64_t requested_ = 0;
  uint64_t synced_ = 0;
  int error_ = 0;
  bool stopping_ = false;
  std::thread thread_;
};
