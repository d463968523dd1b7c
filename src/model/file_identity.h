// A file on disk by device and inode, which stay the same while the file is
// rewritten in place and change when another file takes its name.
#pragma once

#include <cstdint>

struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};
