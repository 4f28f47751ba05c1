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

TEST(StoredSettings, TheEditorsDisabledSignIsUsedUnlessOverridden) {
#ifndef VELMOR_WITH_PLATFORM
  GTEST_SKIP() << "built without the platform layer: the tool has no stored settings";
#endif
  const std::string home = makeTempDir();
  fs::create_directories(home + "/Orbantec");
  writeBytes(home + "/Orbantec/Velmor11.ini", "[Configuration]\nDisabledSign=!!\n");
  writeBytes(home + "/in.cfg", "load MSCP DUA\n!!load RL11 DLA\n");
  const Environment env = {{"XDG_CONFIG_HOME", home}, {"SOURCE_DATE_EPOCH", "0"}};
  const ToolRun stored = runVelmorCfg({"print", "in.cfg"}, home, env);
  EXPECT_EQ(stored.status, 0);
  EXPECT_NE(stored.out.find("\n!!load RL11 DLA\n"), std::string::npos) << stored.out;
  const ToolRun overridden = runVelmorCfg({"print", "in.cfg", "--disabled-sign", "#$"}, home, env);
  EXPECT_EQ(overridden.status, 0);
  EXPECT_EQ(overridden.out.find("RL11"), std::string::npos) << "!!load is a comment under #$";
  fs::remove_all(home);
}
