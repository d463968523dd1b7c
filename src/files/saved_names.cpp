#include "saved_names.h"

#include "identify.h"
#include "match.h"

std::vector<std::string> savedFileNames(const std::string& stem) {
  return {stem + "-shot-.xls", stem + "-table-.xls", stem + ".xls"};
}

std::vector<std::string> analysisFileNames(const std::string& stem) {
  return {stem + ".xlsx", stem + ".pdf"};
}

std::string matchCopyName(const std::string& stem) {
  return stem + kMatchFileExtension;
}

std::vector<std::string> foreignTargets(const Match& m) {
  std::vector<std::string> names = savedFileNames(m.fileStem);
  for (std::string& name : analysisFileNames(m.fileStem)) names.push_back(std::move(name));
  names.push_back(matchCopyName(m.fileStem));
  std::vector<std::string> foreign;
  for (const std::string& name : names) {
    const auto id = fileIdentity(name);
    if (id && !m.wroteFile(*id)) foreign.push_back(name);
  }
  return foreign;
}
