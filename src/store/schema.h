// The tables of a match file, by version. A file records its version in
// PRAGMA user_version and that it is a match file in PRAGMA application_id.
// An older file is brought up to date step by step when opened; a newer
// one is refused, since this program cannot know what it would lose.
#pragma once

#include <cstdint>

class Database;

inline constexpr int kSchemaVersion = 6;
inline constexpr int32_t kMatchFileId = 0x48424d46;  // "HBMF"

// Runs inside the caller's transaction: the steps from `fromVersion` up to
// kSchemaVersion, then sets the version.
void upgradeSchema(Database& db, int fromVersion);
