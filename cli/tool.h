#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class SettingsStore;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 64;  // EX_USAGE: the command line was wrong

// What the tool gets from the process it runs in, so tests and a later
// platform layer can hand in their own.
struct ToolContext {
  std::FILE* out = stdout;  // written in binary: the bytes are exactly the file's
  std::FILE* err = stderr;
  // The value of SOURCE_DATE_EPOCH; empty when the variable is unset or empty.
  std::optional<std::string> sourceDateEpoch;
  // The editor's stored settings (the disabled sign); main fills it where
  // the platform layer is built.
  const SettingsStore* storedSettings = nullptr;
};

// Runs one command line (without the program name); answers the exit status.
int runTool(const std::vector<std::string>& args, ToolContext& context);
