// Plays a match script (data/*.match, described in data/make_expected.py)
// through the recording routines of the team sheet, the match window and the
// dialogs, as an operator would click it.
#pragma once

#include <filesystem>
#include <string>

#include "match_model.h"

// A model as the program starts: team sheet, match window and court dialog
// created, the clock under the script's control.
void startProgram(MatchModel& m);

// Types the script's texts and roster, then records its events in order.
void playMatchScript(MatchModel& m, const std::filesystem::path& script);

// The file data/<name>, read whole.
std::string readTestData(const std::string& name);
std::filesystem::path testDataPath(const std::string& name);
std::string readFileBytes(const std::filesystem::path& path);
