#pragma once

#include <string>

struct CommandLine;
struct ToolContext;
class CVelmorCfgEditorDoc;

// Opens INPUT as the editor opens a file, with the reader's messages on
// standard error; false when it cannot be opened or the read was refused
// (the document then holds what was read).
bool openInput(const CommandLine& line, ToolContext& context, CVelmorCfgEditorDoc& document);

// Text for a terminal: a CR before a line feed dropped (comment lines and the
// checker's reports end in CR LF).
std::string withBareLineFeeds(const std::string& text);
// Writes bytes to standard output; false, with a message, when that failed.
bool writeOut(ToolContext& context, const std::string& bytes);

// format: the bytes the editor's save writes, to OUTPUT or standard output.
int runFormat(const CommandLine& line, ToolContext& context);
// print: the same text with bare line feeds, to standard output.
int runPrint(const CommandLine& line, ToolContext& context);
