// The three files saved under `stem` against the expected files of a match
// script (data/expected/<script>.shot.xls, .table.xls, .list.xls).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "file_compare.h"
#include "match_script.h"

inline void expectFilesOf(const std::string& script, const std::string& stem) {
  EXPECT_TRUE(sameBytes(readFileBytes(stem + "-shot-.xls"),
                        readTestData("expected/" + script + ".shot.xls")))
      << script << " shot file";
  EXPECT_TRUE(sameBytes(readFileBytes(stem + "-table-.xls"),
                        readTestData("expected/" + script + ".table.xls")))
      << script << " table file";
  EXPECT_TRUE(
      sameBytes(readFileBytes(stem + ".xls"), readTestData("expected/" + script + ".list.xls")))
      << script << " list file";
}
