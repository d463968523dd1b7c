// Key names as the keymap file and the windows write them: the toolkit's
// portable key-sequence text of a single key, such as "Q", "F2", "Ctrl+S",
// "Num+7" (a key of the number pad) or "Backspace".
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name in its one spelling (modifiers in the order Meta, Ctrl, Alt,
// Shift, Num; named keys and letters capitalised as the toolkit writes
// them), or nothing when the text names no single key.
std::optional<std::string> canonicalKeyName(std::string_view text);

// A short form for the corner of a button: number-pad keys without "Num+",
// so that the pad's 7 reads "7", and Backspace as "BS".
std::string shortKeyName(std::string_view name);
