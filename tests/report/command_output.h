// Runs a command of the shell and hands back what it printed, for the
// tests that read saved files back with poppler's tools.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

struct CommandResult {
  std::string output;
  int status = -1;
};

inline CommandResult runCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, n);
  result.status = pclose(pipe);
  return result;
}
