#include "keymap_file.h"

#include <fstream>
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
  // One byte past the most that is read tells readKeymap that there is more.
  std::string text(kKeymapMostBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  KeymapReading reading = readKeymap(text);
  return {std::move(reading.keymap), std::move(reading.problems)};
}
