#include "cli/check_command.h"

#include <cstdio>
#include <string>

#include "cli/command_line.h"
#include "cli/script_commands.h"
#include "cli/terminal_messages.h"
#include "cli/tool.h"
#include "config/document.h"

namespace {

// The report texts end lines in CR LF for message boxes; a terminal wants LF.
std::string terminalLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

int runCheck(const CommandLine& line, ToolContext& context) {
  TerminalMessages messages(context.err);
  CVelmorCfgEditorDoc document(messages, context.storedSettings);
  // A refused read goes on with what was read, as the editor shows it.
  const bool read = openInput(line, context, document);
  if (!read && document.configuration().currentPath.empty()) return kExitFailure;  // not even opened

  bool findings = false;
  std::string report;
  for (const CheckEntry& entry : document.checker().entries()) {
    report += terminalLines(entry.conflictText) + terminalLines(entry.busText);
    findings = findings || entry.hasConflict || entry.hasBusError;
  }
  std::fwrite(report.data(), 1, report.size(), context.out);
  std::fflush(context.out);
  if (!read) return kExitFailure;
  return findings ? kExitFindings : kExitOk;
}
