#pragma once

struct CommandLine;
struct ToolContext;

// format: the bytes the editor's save writes, to OUTPUT or standard output.
int runFormat(const CommandLine& line, ToolContext& context);
// print: the same text with bare line feeds, to standard output.
int runPrint(const CommandLine& line, ToolContext& context);
