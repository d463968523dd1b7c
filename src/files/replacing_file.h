// A file written so that a save never destroys an older good file: the bytes
// go to a temporary file in the target's folder, which replaces the target
// only once it is complete and closed. Every file of a save goes this way,
// whether its bytes come through write() or a library writes the temporary
// file by its name. Every failure throws a SaveError and
// leaves no temporary file behind.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

class FileFaults;

class ReplacingFile {
 public:
  // Refuses, before anything is written, a target that is a folder or that
  // is read-only, or whose folder is read-only, even where the process (run
  // as root) could write it anyway.
  explicit ReplacingFile(std::string path, FileFaults* faults = nullptr);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Bytes go through a buffer; a failure may surface at a later write or
  // at commit.
  void write(std::string_view bytes);
  // The temporary file, for a writer that opens the file by its name
  // instead of handing its bytes to write(). It exists and is empty until
  // that writer fills it; commit() puts what it holds in the target's place.
  const std::string& tempPath() const { return tempPath_; }
  // Writes out and closes the temporary file: every failure of the file's
  // own bytes comes here, before any older file is replaced.
  void finish();
  // Finishes if need be, then puts the temporary file in the target's place.
  void commit();

 private:
  void flush();
  void fail(int error);

  std::string path_;
  std::string tempPath_;
  int fd_ = -1;
  bool committed_ = false;
  FileFaults* faults_;
  std::string buffer_;
};
