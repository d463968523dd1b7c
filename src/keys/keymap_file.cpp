#include "keymap_file.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

KeymapFile loadKeymapFile(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::exists(path, error)) {
    // First start: the defaults, in a file the operator can edit.
    const Keymap defaults;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary);
    out << keymapText(defaults);
    out.close();
    if (!out) return {defaults, {"キー設定を書けませんでした。既定のキーを使います"}};
    return {defaults, {}};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return {Keymap(), {"キー設定を読めませんでした。既定のキーを使います"}};
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  KeymapReading reading = readKeymap(text);
  return {std::move(reading.keymap), std::move(reading.problems)};
}
