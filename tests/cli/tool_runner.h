#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// One run of the velmor-cfg tool as a separate process.
struct ToolRun {
  int status = -1;  // exit status; -1 when the tool did not exit normally
  std::string out;  // standard output, as bytes
  std::string err;  // standard error, as bytes
};

// Environment changes for the run: a value sets the variable, nothing unsets
// it. SOURCE_DATE_EPOCH is unset unless given here, so no run depends on the
// caller's environment.
using Environment = std::map<std::string, std::optional<std::string>>;

// Runs the tool with `args` (without the program name) in `workDir`, with
// standard input empty. With `standardOutput` the tool writes there (such as
// /dev/full) and `out` stays empty.
ToolRun runVelmorCfg(const std::vector<std::string>& args, const std::string& workDir, const Environment& env = {},
                     const std::string& standardOutput = {});

// "line 3: expected "..." but got "..."" for the first line where two texts
// differ, with CR and other control characters made visible; empty when equal.
std::string firstDifference(const std::string& expected, const std::string& actual);
