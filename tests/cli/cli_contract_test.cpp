#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "support/test_files.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

namespace {

const Environment kFixedTime = {{"SOURCE_DATE_EPOCH", "1000000000"}};
const std::string kSystemScript = "set CPU model=\"PDP 11/73\"\r\nset MMU memory_size=7770\r\n";

class Tool : public ::testing::Test {
 protected:
  Tool() { writeBytes(path("in.cfg"), kSystemScript); }
  std::string path(const std::string& name) const { return (fs::path(dir_) / name).string(); }
  ToolRun run(const std::vector<std::string>& args, const Environment& env = kFixedTime,
              const std::string& standardOutput = {}) const {
    return runVelmorCfg(args, dir_, env, standardOutput);
  }
  std::string dir_ = makeTempDir();
};

std::string lineStartingWith(const std::string& text, const std::string& start) {
  const std::size_t at = text.find("\n" + start);
  if (at == std::string::npos) return "<none>";
  const std::size_t end = text.find('\n', at + 1);
  return text.substr(at + 1, end - at - 1);
}

std::size_t countOf(const std::string& text, char c) { return std::count(text.begin(), text.end(), c); }

}  // namespace

TEST_F(Tool, FormatWritesTheSavedBytesToStandardOutput) {
  const ToolRun r = run({"format", "in.cfg"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(lineStartingWith(r.out, "## File Name: "), "## File Name: in.cfg\r");
  EXPECT_EQ(lineStartingWith(r.out, "## Date Of Writing: "), "## Date Of Writing: 09/09/01 01:46:40\r");
  EXPECT_NE(r.out.find("\r\nset CPU model=\"PDP 11/73\"\r\nset MMU memory_size=7770\r\n"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("\r\n\r\n# Boot Device\r\n"));
  EXPECT_EQ(countOf(r.out, '\n'), countOf(r.out, '\r')) << "every line ends in CR LF";
}

TEST_F(Tool, FileNameLineHoldsInputExactlyAsGiven) {
  fs::create_directory(path("sub"));
  for (const std::string& given : std::vector<std::string>{"./in.cfg", "sub/../in.cfg", path("in.cfg")}) {
    const ToolRun r = run({"format", given});
    EXPECT_EQ(r.status, 0) << given;
    EXPECT_EQ(lineStartingWith(r.out, "## File Name: "), "## File Name: " + given + "\r");
  }
}

TEST_F(Tool, SourceDateEpochIsTakenInUtcWhateverTheTimeZone) {
  Environment env = kFixedTime;
  env["TZ"] = "Asia/Tokyo";
  const ToolRun r = run({"format", "in.cfg"}, env);
  EXPECT_EQ(lineStartingWith(r.out, "## Date Of Writing: "), "## Date Of Writing: 09/09/01 01:46:40\r");
}

TEST_F(Tool, WithoutSourceDateEpochTheDateIsTheCurrentLocalTime) {
  const auto stamp = [](std::time_t t) {
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%m/%d/%y %H:%M:%S", &utc);
    return "## Date Of Writing: " + std::string(text) + "\r";
  };
  const std::time_t before = std::time(nullptr);
  const ToolRun r = run({"format", "in.cfg"}, {{"SOURCE_DATE_EPOCH", std::nullopt}, {"TZ", "UTC"}});
  const std::time_t after = std::time(nullptr);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string line = lineStartingWith(r.out, "## Date Of Writing: ");
  bool matched = false;
  for (std::time_t t = before; t <= after && !matched; ++t) matched = line == stamp(t);
  EXPECT_TRUE(matched) << line;
}

TEST_F(Tool, MalformedSourceDateEpochIsRefused) {
  for (const char* value : {"soon", "-5", "12x", "99999999999999999999999"}) {
    const ToolRun r = run({"format", "in.cfg"}, {{"SOURCE_DATE_EPOCH", value}});
    EXPECT_EQ(r.status, 1) << value;
    EXPECT_EQ(r.out, "") << value;
    EXPECT_NE(r.err.find("SOURCE_DATE_EPOCH"), std::string::npos) << value;
  }
}

TEST_F(Tool, PrintWritesBareLineFeeds) {
  const ToolRun r = run({"print", "in.cfg"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_EQ(lineStartingWith(r.out, "## Date Of Writing: "), "## Date Of Writing: 09/09/01 01:46:40");
  const ToolRun formatted = run({"format", "in.cfg"});
  std::string withoutCr = formatted.out;
  withoutCr.erase(std::remove(withoutCr.begin(), withoutCr.end(), '\r'), withoutCr.end());
  EXPECT_EQ(r.out, withoutCr);
}

// Comment lines end in CR LF inside the text; the terminal gets bare line feeds.
TEST_F(Tool, PrintWritesCommentLinesWithBareLineFeeds) {
  writeBytes(path("commented.cfg"), "# my comment\r\nload MSCP DUA\r\n# unit note\r\nset DUA file[0]=a\r\n");
  const ToolRun r = run({"print", "commented.cfg"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_NE(r.out.find("\n# my comment\nload MSCP DUA\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\n# unit note\nset DUA file[0]=\"a\"\n"), std::string::npos) << r.out;
}

// Only a CR before a LF goes; one inside a comment line stays.
TEST_F(Tool, PrintKeepsALoneCarriageReturn) {
  writeBytes(path("cr.cfg"), "# note\rmore\r\nload MSCP DUA\r\n");
  const ToolRun r = run({"print", "cr.cfg"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\n# note\rmore\nload MSCP DUA\n"), std::string::npos) << r.out;
}

// An empty SOURCE_DATE_EPOCH counts as unset, as reproducible builds use it.
TEST_F(Tool, EmptySourceDateEpochIsUnset) {
  const ToolRun r = run({"print", "in.cfg"}, {{"SOURCE_DATE_EPOCH", ""}});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
}

// Rewriting INPUT in place says which lines the new file no longer holds.
TEST_F(Tool, InPlaceRewriteNamesTheLinesItDrops) {
  writeBytes(path("lost.cfg"), "## Owner: lab 3\r\nload MSCP DUA\r\nboot DUA 0\r\nload TMSCP MUA\r\n");
  const ToolRun r = run({"format", "lost.cfg", "-o", "lost.cfg"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "velmor-cfg: some lines of lost.cfg cannot be kept; the output does not hold them:\n"
            "velmor-cfg: line 1: ## Owner: lab 3\nvelmor-cfg: line 4: load TMSCP MUA\n");
}

// A check whose report cannot be written fails like the other commands.
TEST_F(Tool, CheckReportsAFailedWrite) {
  writeBytes(path("clash.cfg"), "load DL11 TTA\r\nload DL11 TTB\r\n");
  const ToolRun r = run({"check", "clash.cfg"}, kFixedTime, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write to standard output"), std::string::npos) << r.err;
}

// Long names shared by many devices at one address make a report far larger
// than the script: it comes out whole, in the checker's order, and a failed
// write is told once.
TEST_F(Tool, CheckWritesAReportLargerThanTheScriptWhole) {
  std::vector<std::string> names;
  std::string script;
  // 65 devices, so that each report names all 64 others it may name.
  for (int i = 0; i < 65; ++i) {
    names.push_back("T" + std::to_string(100 + i) + std::string(246, 'X'));
    script += "load DL11 " + names.back() + "\r\n";
  }
  writeBytes(path("many.cfg"), script);
  std::string expected;
  for (const std::string& self : names)
    for (const std::string& other : names)
      if (other != self)
        expected += "Device " + self + " has conflict\n With device " + other +
                    "\n      by the interrupt vectors\n      by the register area\n";
  const ToolRun r = run({"check", "many.cfg"});
  EXPECT_EQ(r.status, 2);
  EXPECT_GT(r.out.size(), 2'000'000u);  // more than one piece of the tool's writing
  EXPECT_TRUE(r.out == expected);

  const ToolRun full = run({"check", "many.cfg"}, kFixedTime, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(countOf(full.err, '\n'), 1u) << full.err;
}

TEST_F(Tool, OutputFileGetsTheSameBytesAndStandardOutputStaysEmpty) {
  const ToolRun toStdout = run({"format", "in.cfg"});
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"format", "in.cfg", "-o", "out.cfg"}, {"format", "-o", "out.cfg", "in.cfg"},
        {"format", "--output=out.cfg", "in.cfg"}, {"format", "in.cfg", "--output", "out.cfg"}}) {
    fs::remove(path("out.cfg"));
    const ToolRun r = run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readBytes(path("out.cfg")), toStdout.out) << "the header names INPUT, not OUTPUT";
  }
}

TEST_F(Tool, OutputMayBeTheInputItself) {
  const ToolRun expected = run({"format", "in.cfg"});
  const ToolRun r = run({"format", "in.cfg", "-o", "in.cfg"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readBytes(path("in.cfg")), expected.out);
}

TEST_F(Tool, OutputThatCannotBeWrittenFailsAndNamesIt) {
  fs::create_directory(path("folder"));
  for (const std::string output : {"missing/out.cfg", "folder"}) {
    const ToolRun r = run({"format", "in.cfg", "-o", output});
    EXPECT_EQ(r.status, 1) << output;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(output), std::string::npos) << r.err;
  }
  EXPECT_TRUE(fs::is_directory(path("folder")));
  EXPECT_FALSE(fs::exists(path("missing")));
}

TEST_F(Tool, ReaderMessagesGoToStandardErrorEachEndedByALineFeed) {
  writeBytes(path("messages.cfg"), "set FOO speed=1\nload NOSUCH XYZ\nset CPU model=\"PDP 11/44\"\n");
  const ToolRun r = run({"format", "messages.cfg"});
  EXPECT_EQ(r.status, 0) << "the last device statement succeeded";
  EXPECT_EQ(r.err,
            "Unable to set a parameter for FOO!\nDeviceFOOisn't loaded or invalid device type has been specified!\n"
            "Unable to load device XYZ!\nUnknown device type NOSUCH\n"
            "velmor-cfg: some lines of messages.cfg cannot be kept; the output does not hold them:\n"
            "velmor-cfg: line 1: set FOO speed=1\nvelmor-cfg: line 2: load NOSUCH XYZ\n");
  EXPECT_NE(r.out.find("set CPU model=\"PDP 11/44\"\r\n"), std::string::npos);
}

TEST_F(Tool, RefusedFileWritesNothing) {
  writeBytes(path("refused.cfg"), "# only a comment\r\nload NOSUCH XYZ\r\n");
  writeBytes(path("out.cfg"), "old output");
  for (const std::string command : {"format", "print"}) {
    const ToolRun r = run({command, "refused.cfg"});
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.out, "") << command;
    EXPECT_EQ(r.err, "Unable to load device XYZ!\nUnknown device type NOSUCH\nUnable to load configuration file.\n");
  }
  const ToolRun r = run({"format", "refused.cfg", "-o", "out.cfg"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(readBytes(path("out.cfg")), "old output");
  EXPECT_EQ(run({"format", "refused.cfg", "-o", "new.cfg"}).status, 1);
  EXPECT_FALSE(fs::exists(path("new.cfg")));
}

// Unlike the editor, the tool reads what is no regular file: a pipe, or
// standard input (empty here, so the default configuration).
TEST_F(Tool, StandardInputIsReadLikeAFile) {
  const ToolRun r = run({"print", "/dev/stdin"}, {{"SOURCE_DATE_EPOCH", "1000000000"}});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\nset CPU model=\"PDP 11/94\"\n"), std::string::npos) << r.out;
}

TEST_F(Tool, FileThatCannotBeOpenedIsNamed) {
  fs::create_directory(path("folder"));
  // "-" is a file name like any other, as are words after "--".
  for (const std::string input : {"missing.cfg", "folder", "-", "--help", "--"}) {
    for (const std::string command : {"format", "print"}) {
      const ToolRun r = run(input.starts_with("--") ? std::vector<std::string>{command, "--", input}
                                                    : std::vector<std::string>{command, input});
      EXPECT_EQ(r.status, 1) << command << " " << input;
      if (input == "folder") {
        EXPECT_NE(r.err.find("is a folder"), std::string::npos) << r.err;
      }
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find(input), std::string::npos) << r.err;
      EXPECT_EQ(r.err.find("Unable to load configuration file."), std::string::npos) << r.err;
      EXPECT_EQ(countOf(r.err, '\n'), 1u) << r.err;
    }
  }
}

TEST_F(Tool, DisabledSignFromTheCommandLine) {
  writeBytes(path("bang.cfg"), "!!set CPU model=\"PDP 11/73\"\r\n");
  // With the default sign "#$" the line is a comment and nothing is loaded.
  EXPECT_EQ(run({"format", "bang.cfg"}).status, 1);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"format", "bang.cfg", "--disabled-sign", "!!"},
        {"format", "--disabled-sign=!!", "bang.cfg"}, {"print", "bang.cfg", "--disabled-sign", "!!"}}) {
    const ToolRun r = run(args);
    EXPECT_EQ(r.status, 0) << args[1] << " " << r.err;
    EXPECT_NE(r.out.find("set CPU model=\"PDP 11/73\""), std::string::npos);
  }
  writeBytes(path("hash.cfg"), "#$set CPU model=\"PDP 11/73\"\r\n");
  EXPECT_EQ(run({"format", "hash.cfg"}).status, 0) << "\"#$\" is the sign when nothing else is stored";
}

TEST_F(Tool, InputAfterDoubleDashMayStartWithADash) {
  writeBytes(path("-odd.cfg"), kSystemScript);
  const ToolRun r = run({"format", "--", "-odd.cfg"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lineStartingWith(r.out, "## File Name: "), "## File Name: -odd.cfg\r");
}

TEST_F(Tool, WrongCommandLinesGetOneUsageLineAndStatus64) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"frobnicate", "in.cfg"},
      {"format"},
      {"format", "in.cfg", "other.cfg"},
      {"format", "in.cfg", "--colour"},
      {"format", "in.cfg", "-o"},
      {"format", "in.cfg", "-o", ""},
      {"format", "in.cfg", "-o", "a.cfg", "-o", "b.cfg"},
      {"print", "in.cfg", "-o", "out.cfg"},
      {"format", "in.cfg", "--disabled-sign", ""},
      {"format", "in.cfg", "--disabled-sign"},
      {"format", "in.cfg", "--disabled-sign", "a\nb"},
      {"format", "in.cfg", "--disabled-sign", "!!!!!!!!!!!!"},
      {"format", ""},
  };
  for (const auto& args : wrong) {
    std::string shown;
    for (const std::string& arg : args) shown += "[" + arg + "]";
    const ToolRun r = run(args);
    EXPECT_EQ(r.status, 64) << shown;
    EXPECT_EQ(r.out, "") << shown;
    EXPECT_EQ(countOf(r.err, '\n'), 1u) << shown << r.err;
    EXPECT_TRUE(r.err.ends_with("\n")) << shown;
    EXPECT_NE(r.err.find("Usage: velmor-cfg format INPUT [-o OUTPUT]"), std::string::npos) << shown << r.err;
    EXPECT_EQ(r.err.find(".."), std::string::npos) << shown << r.err;
  }
  EXPECT_FALSE(fs::exists(path("out.cfg")));
  EXPECT_FALSE(fs::exists(path("a.cfg")));
}

// "-h" as the value of an option is that value, not a request for help.
TEST_F(Tool, AnOptionValueIsNeverTakenForHelp) {
  writeBytes(path("in.cfg"), "load DL11 TTA\r\n");
  const ToolRun r = run({"format", "in.cfg", "-o", "-h"}, kFixedTime);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(fs::exists(path("-h")));
  const ToolRun sign = run({"print", "in.cfg", "--disabled-sign", "-h"}, kFixedTime);
  EXPECT_EQ(sign.status, 0) << sign.err;
  EXPECT_NE(sign.out.find("load DL11 TTA"), std::string::npos) << sign.out;
}

// Help that cannot be written is a failure, as for every other output.
TEST_F(Tool, HelpReportsAFailedWrite) {
  const ToolRun r = run({"--help"}, kFixedTime, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write to standard output"), std::string::npos) << r.err;
}

TEST_F(Tool, HelpExplainsTheCommands) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, {"help"}, {"format", "--help"}, {"print", "in.cfg", "-h"}}) {
    const ToolRun r = run(args);
    EXPECT_EQ(r.status, 0) << args[0];
    EXPECT_EQ(r.err, "");
    for (const char* topic : {"format INPUT", "print INPUT", "-o", "--disabled-sign", "SOURCE_DATE_EPOCH", "64"})
      EXPECT_NE(r.out.find(topic), std::string::npos) << topic;
  }
}
