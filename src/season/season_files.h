// The match files of a season: every *.hbmatch in the folders given and in
// their "ended" folders, only read (MatchFile::readOnly), each with what the
// list of matches shows, or with the reason it cannot be read.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "file_identity.h"
#include "match.h"

struct SeasonFile {
  std::filesystem::path path;
  std::string started;  // local date and time the match began, "YYYY-MM-DD hh:mm:ss"
  std::array<std::string, kTeams> teams;
  std::array<int, kTeams> goals{};
  int events = 0;   // completed, of both teams
  int version = 0;  // of the file, as written
  bool ended = false;
  std::string problem;  // why the file cannot be read; empty when it was read
  std::shared_ptr<const Match> match;
  // The file the season reads this match from when this file holds the same
  // match (a copy in another folder, a backup); empty when it is that file.
  std::filesystem::path copyOf;

  bool readable() const { return problem.empty(); }
  std::string date() const { return started.substr(0, 10); }
  // 1 or 2 when `team` plays in it (names compared as seasonName does), else 0.
  int sideOf(const std::string& team) const;
};

// A team's or a player's name as typed, without the spaces around it
// (half- and full-width), so that a space typed by mistake parts nobody.
std::string seasonName(const std::string& typed);

// Files are listed in the order of their start, then of their path; a file
// found twice (a folder given twice, or inside another) once. Files of one
// match (the same start and teams) count once: the ended one, else the one
// of most events, else the first; the others are marked `copyOf` it. Files this
// program holds open (`heldHere`, by device and inode) are not opened, since
// closing any descriptor of a file would lose the locks held on it: they
// show as in use.
std::vector<SeasonFile> listSeasonFiles(const std::vector<std::filesystem::path>& folders,
                                        const std::vector<FileIdentity>& heldHere = {});

// Which matches make the season, never a copy: those of `team` (any team when empty),
// against `opponent` (any when empty), from `from` to `to` (dates
// "YYYY-MM-DD", both included; open when empty).
struct SeasonFilter {
  std::string team;
  std::string opponent;
  std::string from;
  std::string to;
  bool admits(const SeasonFile& f) const;
};

// The team the season is of when none is named: the name found in most of
// the readable files (the first in the list of those as often).
std::string mostFrequentTeam(const std::vector<SeasonFile>& files);
