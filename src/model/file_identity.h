// A file on disk by device and inode, which stay the same while the file is
// rewritten in place and change when another file takes its name.
#pragma once

#include <cstdint>
#include <string>

struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// A file a save wrote, under the name the save gave it.
struct SavedFile {
  std::string path;
  FileIdentity identity;
  bool operator==(const SavedFile&) const = default;
};
