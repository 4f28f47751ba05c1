// Runs every golden pair tests/data/golden/<group>/<case>.cfg and <case>.out:
// `velmor-cfg format <case>.cfg` in the case's folder with
// SOURCE_DATE_EPOCH=1000000000 must write exactly the bytes of <case>.out to
// standard output. Optional files beside a case:
//   <case>.args  further arguments, one per line (for example --disabled-sign and its value);
//   <case>.err   the exact bytes expected on standard error.
// An empty <case>.out means the tool refuses the file (exit status 1);
// otherwise it must succeed (exit status 0).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <tuple>

#include "support/test_files.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

namespace {

struct GoldenCase {
  std::string group;
  std::string name;
  fs::path folder;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.group << "/" << c.name << ".cfg"; }

std::vector<GoldenCase> findCases() {
  std::vector<GoldenCase> cases;
  const fs::path root = fs::path(VELMOR_TEST_DATA_DIR) / "golden";
  std::error_code error;
  for (const auto& group : fs::directory_iterator(root, error)) {
    if (!group.is_directory()) continue;
    for (const auto& file : fs::directory_iterator(group.path(), error))
      if (file.is_regular_file() && file.path().extension() == ".cfg")
        cases.push_back({group.path().filename().string(), file.path().stem().string(), group.path()});
  }
  std::sort(cases.begin(), cases.end(),
            [](const GoldenCase& a, const GoldenCase& b) { return std::tie(a.group, a.name) < std::tie(b.group, b.name); });
  return cases;
}

std::string testName(const ::testing::TestParamInfo<GoldenCase>& info) {
  std::string name = info.param.group + "_" + info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

std::vector<std::string> argumentsOf(const fs::path& argsFile) {
  std::vector<std::string> args;
  std::ifstream in(argsFile, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) args.push_back(line);
  }
  return args;
}

// Keeps what the tool wrote, so a failing case can be looked at and compared.
std::string keepActual(const GoldenCase& c, const std::string& bytes) {
  const fs::path dir = fs::path(::testing::TempDir()) / "velmor-golden-actual" / c.group;
  std::error_code error;
  fs::create_directories(dir, error);
  const std::string path = (dir / (c.name + ".out")).string();
  writeBytes(path, bytes);
  return path;
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

}  // namespace

TEST_P(Golden, FormatWritesTheExpectedBytes) {
  const GoldenCase& c = GetParam();
  const fs::path expectedPath = c.folder / (c.name + ".out");
  ASSERT_TRUE(fs::exists(expectedPath)) << "missing " << expectedPath;
  const std::string expected = readBytes(expectedPath.string());

  std::vector<std::string> args = {"format", c.name + ".cfg"};
  const fs::path argsPath = c.folder / (c.name + ".args");
  if (fs::exists(argsPath))
    for (std::string& arg : argumentsOf(argsPath)) args.push_back(std::move(arg));
  const ToolRun run = runVelmorCfg(args, c.folder.string(), {{"SOURCE_DATE_EPOCH", "1000000000"}});

  EXPECT_EQ(run.status, expected.empty() ? 1 : 0) << "standard error:\n" << run.err;
  if (run.out != expected)
    ADD_FAILURE() << c.group << "/" << c.name << ": " << firstDifference(expected, run.out)
                  << "\nthe whole output is in " << keepActual(c, run.out);
  const fs::path errPath = c.folder / (c.name + ".err");
  if (fs::exists(errPath)) {
    const std::string expectedErr = readBytes(errPath.string());
    EXPECT_TRUE(run.err == expectedErr) << "standard error, " << firstDifference(expectedErr, run.err);
  }
}

// What a save writes must read back as itself: no message, no line lost,
// and formatting it again gives the same bytes (the copy keeps the case's
// file name, so even the "## File Name: " line agrees).
TEST_P(Golden, TheOutputReadsBackAsItself) {
  const GoldenCase& c = GetParam();
  const std::string expected = readBytes((c.folder / (c.name + ".out")).string());
  if (expected.empty()) GTEST_SKIP() << "the tool refuses this case";
  const std::string dir = makeTempDir();
  writeBytes(dir + "/" + c.name + ".cfg", expected);
  std::vector<std::string> args = {"format", c.name + ".cfg"};
  const fs::path argsPath = c.folder / (c.name + ".args");
  if (fs::exists(argsPath))
    for (std::string& arg : argumentsOf(argsPath)) args.push_back(std::move(arg));
  const ToolRun run = runVelmorCfg(args, dir, {{"SOURCE_DATE_EPOCH", "1000000000"}});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  if (run.out != expected) ADD_FAILURE() << c.group << "/" << c.name << ": " << firstDifference(expected, run.out);
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(findCases()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Golden);
