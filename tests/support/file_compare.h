// Byte-for-byte comparison of an exported file with its expected bytes that
// names the first line that differs instead of dumping whole files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

inline std::string lineAt(const std::string& bytes, size_t offset) {
  const size_t start = bytes.rfind('\n', offset == 0 ? 0 : offset - 1);
  const size_t from = start == std::string::npos || offset == 0 ? 0 : start + 1;
  const size_t end = bytes.find('\n', offset);
  return bytes.substr(from, (end == std::string::npos ? bytes.size() : end) - from);
}

inline ::testing::AssertionResult sameBytes(const std::string& actual,
                                            const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  const size_t offset = static_cast<size_t>(a - actual.begin());
  const auto line = std::count(actual.begin(), a, '\n');
  return ::testing::AssertionFailure()
         << "sizes " << actual.size() << " and " << expected.size() << ", first difference at byte "
         << offset << " in line " << line
         << "\n  written:  " << ::testing::PrintToString(lineAt(actual, offset))
         << "\n  expected: " << ::testing::PrintToString(lineAt(expected, offset));
}

inline size_t lineCount(const std::string& bytes) {
  return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}
