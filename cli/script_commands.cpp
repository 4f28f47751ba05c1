#include "cli/script_commands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "cli/command_line.h"
#include "cli/terminal_messages.h"
#include "cli/tool.h"
#include "cli/write_time.h"
#include "config/configuration.h"
#include "config/script_reader.h"
#include "config/script_writer.h"

namespace {

void say(ToolContext& context, const std::string& text) {
  const std::string line = "velmor-cfg: " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), context.err);
}

// The reader answers false both for a file it refuses and for one it cannot
// open; the user deserves to know which, so the file is tried first.
bool canOpen(const std::string& path, std::string& reason) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    reason = "is a folder";
    return false;
  }
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    reason = errno ? std::strerror(errno) : "cannot be opened";
    return false;
  }
  std::fclose(file);
  return true;
}

// Reads INPUT as the editor opens a file; false (with the messages given) when it fails.
bool readInput(const CommandLine& line, ToolContext& context, Configuration& config) {
  std::string reason;
  if (!canOpen(line.input, reason)) {
    say(context, "cannot open " + line.input + ": " + reason);
    return false;
  }
  if (line.disabledSign) config.disabledSign = *line.disabledSign;
  TerminalMessages messages(context.err);
  if (!ReadScript(config, line.input, messages)) {
    messages.stop("Unable to load configuration file.");
    return false;
  }
  return true;
}

bool writeOut(ToolContext& context, const std::string& bytes) {
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), context.out) == bytes.size();
  if (written && std::fflush(context.out) == 0) return true;
  say(context, std::string("cannot write to standard output: ") + (errno ? std::strerror(errno) : "write failed"));
  return false;
}

// Reads INPUT and stamps the date of writing; false when either failed.
bool prepare(const CommandLine& line, ToolContext& context, Configuration& config, std::tm& when) {
  std::string error;
  if (!toolWriteTime(context.sourceDateEpoch, when, error)) {
    say(context, error);
    return false;
  }
  return readInput(line, context, config);
}

}  // namespace

int runFormat(const CommandLine& line, ToolContext& context) {
  Configuration config(context.storedSettings);
  std::tm when{};
  if (!prepare(line, context, config, when)) return kExitFailure;
  if (line.output) {
    std::string failure;
    if (!WriteScript(config, *line.output, {when, {}, &failure})) {
      say(context, "cannot save " + *line.output + ": " + failure);
      return kExitFailure;
    }
    return kExitOk;
  }
  StampWriteDate(config, when);
  return writeOut(context, DiskLineEnds(FormatScript(config))) ? kExitOk : kExitFailure;
}

int runPrint(const CommandLine& line, ToolContext& context) {
  Configuration config(context.storedSettings);
  std::tm when{};
  if (!prepare(line, context, config, when)) return kExitFailure;
  // The text shows the date a save at this moment would write.
  StampWriteDate(config, when);
  return writeOut(context, FormatScript(config)) ? kExitOk : kExitFailure;
}
