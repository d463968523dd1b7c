// Writes a season of match files to look at: make_season FOLDER [MATCHES]
// (default 12), for the window's and the report's pictures.
#include <iostream>

#include "season_folder.h"

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::cerr << "make_season FOLDER [MATCHES]\n";
    return 2;
  }
  keepMixedSeason(argv[1], argc > 2 ? std::stoi(argv[2]) : 12, 100);
  keepMatch(*scriptedMatch("analysis_example", "東高校", "西高校"), argv[1], 360);
  return 0;
}
