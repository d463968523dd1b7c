// Whole numbers as the team sheet's cells hold them: the strict conversion
// and decimal formatting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Optional sign and decimal digits only, within 32 bits; nothing else.
std::optional<int32_t> parseInt(std::string_view text);
// parseInt or ConversionError.
int32_t strToInt(std::string_view text);
std::string intToStr(int64_t value);
