// Where match files go: new names by date and time that never replace a
// file, the check that a folder or file may be written (root included), and
// the folder for matches that ended.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

// Local date and time in strftime's `format`.
std::string localTime(std::chrono::system_clock::time_point t, const char* format);

// Whether this user may write `path`. Root may write anything, so for root
// only the write bits count: a read-only folder stays read-only.
bool writable(const std::filesystem::path& path);

// Makes an empty file `stem` + `extension` in `folder`, or with "_2", "_3"...
// after the stem when that name is taken; returns its path. Throws
// std::system_error.
std::filesystem::path makeNewFile(const std::filesystem::path& folder, const std::string& stem,
                                  const std::string& extension);

// Moves `path` into the folder `aside` beside it, under a name not taken
// there; false if it stays where it is.
bool moveAside(const std::filesystem::path& path, const std::string& aside);

void syncFolder(const std::filesystem::path& folder);
