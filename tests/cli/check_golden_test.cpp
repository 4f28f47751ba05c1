// Runs every tests/data/check/<case>.cfg through `velmor-cfg check` in its
// folder: standard output must be exactly <case>.out, the exit status the
// number in <case>.status and, when <case>.err exists, standard error its bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/test_files.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> checkCases() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& file : fs::directory_iterator(fs::path(VELMOR_TEST_DATA_DIR) / "check", error))
    if (file.path().extension() == ".cfg") names.push_back(file.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class CheckGolden : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(CheckGolden, PrintsTheExpectedFindings) {
  const fs::path folder = fs::path(VELMOR_TEST_DATA_DIR) / "check";
  const std::string name = GetParam();
  const ToolRun run = runVelmorCfg({"check", name + ".cfg"}, folder.string());
  EXPECT_EQ(run.status, std::stoi(readBytes((folder / (name + ".status")).string())));
  EXPECT_EQ(firstDifference(readBytes((folder / (name + ".out")).string()), run.out), "");
  if (fs::exists(folder / (name + ".err"))) {
    EXPECT_EQ(firstDifference(readBytes((folder / (name + ".err")).string()), run.err), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckGolden, ::testing::ValuesIn(checkCases()));
