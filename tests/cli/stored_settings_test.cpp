// The tool takes the editor's stored disabled sign, as the editor does.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

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
