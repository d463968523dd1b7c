// The season from the command line, with no window and no display:
//   handball --season DIR... [--team NAME] [--from DATE] [--to DATE]
//            [--xlsx FILE] [--pdf FILE]
// at least one of --xlsx and --pdf. It prints what it read and what it left
// out; the exit code is 0 when every file asked for was written, 1 when the
// season has no match or a file could not be written, 2 for bad arguments.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// Whether the command line asks for the season rather than the windows.
bool asksForSeason(int argc, char* argv[]);

inline constexpr int kSeasonWritten = 0;
inline constexpr int kSeasonFailed = 1;
inline constexpr int kSeasonBadArguments = 2;

// `args` without the program's name; the players' choices are read from
// `dataFolder`. A QGuiApplication must be alive when a PDF is asked for.
int runSeasonCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFolder,
                     std::ostream& out, std::ostream& err);

// The whole program for --season: a QGuiApplication on the offscreen
// platform, so that no display is needed, then runSeasonCommand.
int seasonMain(int argc, char* argv[]);
