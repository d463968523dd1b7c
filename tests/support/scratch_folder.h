// Fresh folders for tests and benchmarks, removed with everything in them
// afterwards: a temporary folder, and a scratch folder that also serves as
// the working directory while a test saves.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "hb-test-XXXXXX").string();
    if (!mkdtemp(name.data())) throw std::runtime_error("no temporary folder");
    path_ = name;
  }
  ~TempFolder() {
    // Tests take permissions away to make writes fail; removal needs them.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Names of everything directly inside `folder` (default: this folder).
  std::set<std::string> entries(const std::filesystem::path& folder = {}) const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? path_ : folder))
      names.insert(entry.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

class ScratchFolder : public TempFolder {
 public:
  ScratchFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path());
  }
  ~ScratchFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};
