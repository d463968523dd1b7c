// The keymap file in the user's configuration folder: read at start, and
// written with the default keys when there is none.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "keymap.h"

struct KeymapFile {
  Keymap keymap;
  // The lines not taken, and a file that could not be read or written.
  std::vector<std::string> problems;
};

KeymapFile loadKeymapFile(const std::filesystem::path& path);
