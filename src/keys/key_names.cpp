#include "key_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace {

// Named keys, spelt as the toolkit's portable text spells them.
constexpr std::array<std::string_view, 31> kNamedKeys = {
    "Space",      "Esc",    "Tab",      "Backtab",  "Backspace",       "Return",
    "Enter",      "Ins",    "Del",      "Pause",    "Print",           "SysReq",
    "Home",       "End",    "Left",     "Up",       "Right",           "Down",
    "PgUp",       "PgDown", "CapsLock", "NumLock",  "ScrollLock",      "Menu",
    "Help",       "Clear",  "Henkan",   "Muhenkan", "Zenkaku Hankaku", "Hiragana Katakana",
    "Eisu toggle"};

// In the order the toolkit writes them.
constexpr std::array<std::string_view, 5> kModifiers = {"Meta", "Ctrl", "Alt", "Shift", "Num"};

bool sameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// Length of the UTF-8 sequence `s` starts with, 0 when it is not one.
size_t codePointLength(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  const size_t n = lead < 0x80         ? 1
                   : (lead >> 5) == 6  ? 2
                   : (lead >> 4) == 14 ? 3
                   : (lead >> 3) == 30 ? 4
                                       : 0;
  if (n == 0 || n > s.size()) return 0;
  for (size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(s[i]) >> 6) != 2) return 0;
  return n;
}

std::optional<std::string> canonicalKey(std::string_view key) {
  for (std::string_view named : kNamedKeys)
    if (sameLetters(key, named)) return std::string(named);
  if (key.size() >= 2 && (key[0] == 'F' || key[0] == 'f') &&
      std::all_of(key.begin() + 1, key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const int n = std::stoi(std::string(key.substr(1)));
    if (n >= 1 && n <= 35 && key[1] != '0') return "F" + std::to_string(n);
    return std::nullopt;
  }
  // One character: a letter, digit or sign; ASCII letters as capitals.
  if (key.empty() || codePointLength(key) != key.size()) return std::nullopt;
  const auto c = static_cast<unsigned char>(key[0]);
  if (key.size() == 1 && (c <= ' ' || c == 0x7f)) return std::nullopt;
  return key.size() == 1 ? std::string(1, static_cast<char>(std::toupper(c))) : std::string(key);
}

}  // namespace

std::optional<std::string> canonicalKeyName(std::string_view text) {
  text = trimmed(text);
  if (text.empty()) return std::nullopt;
  // The key is what follows the last "+", unless the key is "+" itself.
  std::string_view key = text;
  std::string_view modifiers;
  if (text == "+") {
    key = text;
  } else if (text.size() > 2 && text.ends_with("++")) {
    key = text.substr(text.size() - 1);
    modifiers = text.substr(0, text.size() - 2);
  } else if (const size_t plus = text.rfind('+'); plus != std::string_view::npos) {
    key = text.substr(plus + 1);
    modifiers = text.substr(0, plus);
  }
  const std::optional<std::string> name = canonicalKey(trimmed(key));
  if (!name) return std::nullopt;

  std::array<bool, kModifiers.size()> held{};
  while (!modifiers.empty()) {
    const size_t plus = modifiers.find('+');
    const std::string_view word = trimmed(modifiers.substr(0, plus));
    const auto found = std::find_if(kModifiers.begin(), kModifiers.end(),
                                    [&](std::string_view m) { return sameLetters(word, m); });
    if (found == kModifiers.end() || held[found - kModifiers.begin()]) return std::nullopt;
    held[found - kModifiers.begin()] = true;
    if (plus == std::string_view::npos) break;
    modifiers.remove_prefix(plus + 1);
    if (modifiers.empty()) return std::nullopt;  // "Ctrl++" is handled above; "Ctrl+" is no key
  }
  std::string canonical;
  for (size_t i = 0; i < kModifiers.size(); ++i)
    if (held[i]) canonical += std::string(kModifiers[i]) + "+";
  return canonical + *name;
}

std::string shortKeyName(std::string_view name) {
  if (name.starts_with("Num+") && name.size() > 4) name.remove_prefix(4);
  if (name == "Backspace") return "BS";
  return std::string(name);
}
