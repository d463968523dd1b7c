// Which file is at a path: how a save tells its own files from another
// match's, whatever their names.
#pragma once

#include <optional>
#include <string>

#include "file_identity.h"

// The identity of the file at `path`, if a regular file is there.
std::optional<FileIdentity> fileIdentity(const std::string& path);
// `path` as a file a save has just written, if it is there.
std::optional<SavedFile> savedFile(const std::string& path);
