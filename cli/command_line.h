#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct ToolContext;
struct CommandLine;

// One command of the tool; adding a command is adding a row to the tool's table.
struct Command {
  std::string_view name;
  bool takesOutput;  // accepts -o OUTPUT
  int (*run)(const CommandLine& line, ToolContext& context);
};

struct CommandLine {
  const Command* command = nullptr;
  std::string input;
  std::optional<std::string> output;
  std::optional<std::string> disabledSign;
};

struct ParsedCommandLine {
  bool help = false;            // --help anywhere: show the help and do nothing else
  std::optional<CommandLine> line;
  std::string error;            // set when the command line is wrong
};

// Reads the arguments (without the program name): a command, its INPUT and
// options in any order after the command; "--" ends the options.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args, std::span<const Command> commands);

// "format INPUT [-o OUTPUT] [--disabled-sign SIGN] | print INPUT [--disabled-sign SIGN]"
std::string commandSynopsis(std::span<const Command> commands);
