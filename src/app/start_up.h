// What the program does before the operator's first step: a match left by
// a program that stopped is offered for bringing back, or the match file
// named on the command line is opened, and from then on the match is kept
// in the per-user data folder.
#pragma once

#include <QString>
#include <filesystem>
#include <iosfwd>
#include <optional>

#include "match_listing.h"

class WindowSet;

// The question's text for a match left unfinished: both teams, the number
// of recorded events and the time of the last step.
QString restoreQuestion(const RestorableMatch& match);

// The box's text for a match another copy of the program is recording:
// the file, both teams and the time of the last step.
QString inUseNotice(const RestorableMatch& match);

// Before the windows are built: the latest match in `folder` that did not
// end through the close box, if the operator wants it back. A match another
// copy is recording is told in a box; files that cannot be read are named
// on `errors`. Nothing found is changed.
std::optional<RestorableMatch> askToRestore(const std::filesystem::path& folder,
                                            std::ostream& errors);

// Keeps the windows' match in `folder`: brought back from `restore`, or
// opened from `file`, or new. False when the file is in use by another
// copy of the program: the operator has been told, and nothing was opened.
bool beginKeeping(WindowSet& windows, const std::filesystem::path& folder,
                  const std::optional<RestorableMatch>& restore,
                  const std::optional<std::filesystem::path>& file);
