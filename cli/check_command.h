#pragma once

struct CommandLine;
struct ToolContext;

inline constexpr int kExitFindings = 2;  // check: a conflict or a bus error was found

// check: every check entry's conflict text, then its bus text, line ends as LF.
int runCheck(const CommandLine& line, ToolContext& context);
