#include "cli/script_commands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "cli/command_line.h"
#include "cli/terminal_messages.h"
#include "cli/tool.h"
#include "cli/write_time.h"
#include "config/document.h"
#include "config/native_path.h"
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
  if (std::filesystem::is_directory(nativePath(path), error)) {
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

}  // namespace

bool openInput(const CommandLine& line, ToolContext& context, CVelmorCfgEditorDoc& document) {
  std::string reason;
  if (!canOpen(line.input, reason)) {
    say(context, "cannot open " + line.input + ": " + reason);
    return false;
  }
  if (line.disabledSign) document.configuration().disabledSign = *line.disabledSign;
  document.setReadsStreams(true);
  // The editor's own open: a fresh configuration, the reader, the checker;
  // it says "Unable to load configuration file." itself when the read fails.
  const bool opened = document.OnOpenDocument(line.input);
  // The editor shows these lines when it opens the file; here they go to
  // standard error, so no output (above all `-o INPUT`) drops them unsaid.
  // A refused file gives no output to hold them.
  if (opened && !document.lostLines().empty()) {
    say(context, "some lines of " + line.input + " cannot be kept; the output does not hold them:");
    for (const LostLine& lost : document.lostLines()) say(context, "line " + std::to_string(lost.number) + ": " + lost.text);
  }
  return opened;
}

std::string withBareLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

bool writeOut(ToolContext& context, const std::string& bytes) {
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), context.out) == bytes.size();
  if (written && std::fflush(context.out) == 0) return true;
  say(context, std::string("cannot write to standard output: ") + (errno ? std::strerror(errno) : "write failed"));
  return false;
}

namespace {

// Reads INPUT and stamps the date of writing; false when either failed.
bool prepare(const CommandLine& line, ToolContext& context, CVelmorCfgEditorDoc& document, std::tm& when) {
  std::string error;
  if (!toolWriteTime(context.sourceDateEpoch, when, error)) {
    say(context, error);
    return false;
  }
  return openInput(line, context, document);
}

}  // namespace

int runFormat(const CommandLine& line, ToolContext& context) {
  TerminalMessages messages(context.err);
  CVelmorCfgEditorDoc document(messages, context.storedSettings);
  Configuration& config = document.configuration();
  std::tm when{};
  if (!prepare(line, context, document, when)) return kExitFailure;
  if (line.output) {
    std::string failure;
    if (!document.OnSaveDocument(*line.output, {when, {}, &failure})) {
      say(context, "cannot save " + *line.output + ": " + failure);
      return kExitFailure;
    }
    return kExitOk;
  }
  StampWriteDate(config, when);
  return writeOut(context, DiskLineEnds(FormatScript(config))) ? kExitOk : kExitFailure;
}

int runPrint(const CommandLine& line, ToolContext& context) {
  TerminalMessages messages(context.err);
  CVelmorCfgEditorDoc document(messages, context.storedSettings);
  Configuration& config = document.configuration();
  std::tm when{};
  if (!prepare(line, context, document, when)) return kExitFailure;
  // The text shows the date a save at this moment would write.
  StampWriteDate(config, when);
  return writeOut(context, withBareLineFeeds(FormatScript(config))) ? kExitOk : kExitFailure;
}
