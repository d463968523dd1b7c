// The printed report of a match (.pdf, A4): the front page with the score,
// the score flow and each team's shot chart and goal-zone map; the player
// tables with the goalkeepers' figures; both event logs with the running
// score. Japanese text in the IPA fonts, embedded.
#pragma once

#include <string>

#include "match.h"
#include "save_error.h"

class FileFaults;

// The report's bytes. A QGuiApplication must be alive.
std::string reportPdf(const Match& m);

// Writes through a ReplacingFile: an older file at `path` is replaced only
// by a complete report. Throws SaveError.
void writeReport(const Match& m, const std::string& path, FileFaults* faults = nullptr);
