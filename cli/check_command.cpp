#include "cli/check_command.h"

#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/script_commands.h"
#include "cli/terminal_messages.h"
#include "cli/tool.h"
#include "config/document.h"

namespace {
constexpr std::size_t kReportChunk = std::size_t{1} << 20;
}  // namespace

int runCheck(const CommandLine& line, ToolContext& context) {
  TerminalMessages messages(context.err);
  CVelmorCfgEditorDoc document(messages, context.storedSettings);
  // A refused read goes on with what was read, as the editor shows it.
  const bool read = openInput(line, context, document);
  if (!read && document.configuration().currentPath.empty()) return kExitFailure;  // not even opened

  bool findings = false;
  std::string report;
  bool written = true;
  const ConflictChecker& checker = document.checker();
  checker.forEachConflictText([&](std::size_t position, const std::string& conflictText) {
    if (!written) return;  // told once; the status says it
    const CheckEntry& entry = checker.entries()[position];
    report += withBareLineFeeds(conflictText) + withBareLineFeeds(entry.busText);
    findings = findings || entry.hasConflict || entry.hasBusError;
    // Written as it grows: the reports of a damaged file can be far larger than the file.
    if (report.size() >= kReportChunk) {
      written = writeOut(context, report);
      report.clear();
    }
  });
  if (!written || !writeOut(context, report) || !read) return kExitFailure;
  return findings ? kExitFindings : kExitOk;
}
