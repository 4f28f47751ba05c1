#include "tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "support/test_files.h"

namespace {

[[noreturn]] void runChild(const std::vector<std::string>& args, const std::string& workDir, const Environment& env,
                           const std::string& outPath, const std::string& errPath) {
  const int in = ::open("/dev/null", O_RDONLY);
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
  if (::chdir(workDir.c_str()) != 0) ::_exit(126);
  ::unsetenv("SOURCE_DATE_EPOCH");
  // The user's own stored editor settings must not change what a test sees.
  ::setenv("XDG_CONFIG_HOME", "/nonexistent/velmor-test-config", 1);
  for (const auto& [name, value] : env) {
    if (value)
      ::setenv(name.c_str(), value->c_str(), 1);
    else
      ::unsetenv(name.c_str());
  }
  std::vector<char*> argv;
  std::string program = VELMOR_CFG_TOOL;
  argv.push_back(program.data());
  std::vector<std::string> copies(args);
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

std::string visible(const std::string& line) {
  std::string out;
  for (unsigned char c : line) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c == 0x7f) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02x", c);
      out += code;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

ToolRun runVelmorCfg(const std::vector<std::string>& args, const std::string& workDir, const Environment& env,
                     const std::string& standardOutput) {
  ToolRun run;
  const std::string dir = makeTempDir();
  const std::string outPath = standardOutput.empty() ? dir + "/out" : standardOutput, errPath = dir + "/err";
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) runChild(args, workDir, env, outPath, errPath);
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  if (standardOutput.empty()) run.out = readBytes(outPath);
  run.err = readBytes(errPath);
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  return run;
}

std::string firstDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  std::size_t line = 1, start = 0, pos = 0;
  while (pos < expected.size() && pos < actual.size() && expected[pos] == actual[pos]) {
    if (expected[pos] == '\n') {
      ++line;
      start = pos + 1;
    }
    ++pos;
  }
  auto lineAt = [start](const std::string& text) {
    if (start >= text.size()) return std::string("<end of text>");
    const std::size_t lf = text.find('\n', start);
    return visible(text.substr(start, lf == std::string::npos ? std::string::npos : lf - start + 1));
  };
  return "line " + std::to_string(line) + ": expected \"" + lineAt(expected) + "\" but got \"" + lineAt(actual) + "\"";
}
