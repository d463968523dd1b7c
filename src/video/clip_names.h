// Clip file names that every file system the operator copies clips to
// accepts, USB sticks formatted for Windows included.
#pragma once

#include <QString>

// `name` with the characters file systems refuse (/ \ : * ? " < > |) and
// control characters replaced by "_", without leading or trailing dots and
// spaces, and short enough in UTF-8 to leave room for an extension and a
// temporary suffix; "clip" when nothing is left.
QString safeClipName(const QString& name);
