#include "cli/command_line.h"

#include "config/settings_store.h"

namespace {

const Command* findCommand(std::string_view name, std::span<const Command> commands) {
  for (const Command& command : commands)
    if (command.name == name) return &command;
  return nullptr;
}

bool isHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// An option whose value is the next argument: that argument is a value, even
// when it reads "-h" (an output file of that name).
bool takesNextArgument(std::string_view arg) { return arg == "-o" || arg == "--output" || arg == "--disabled-sign"; }

ParsedCommandLine helpAsked() {
  ParsedCommandLine result;
  result.help = true;
  return result;
}

ParsedCommandLine refused(std::string error) {
  ParsedCommandLine result;
  result.error = std::move(error);
  return result;
}

// The command "help", or "-h" or "--help" anywhere before "--".
bool asksForHelp(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "help") return true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") return false;
    if (takesNextArgument(args[i]))
      ++i;
    else if (isHelp(args[i]))
      return true;
  }
  return false;
}

class Parser {
 public:
  Parser(const std::vector<std::string>& args, const Command& command) : args_(args) {
    line_.command = &command;
  }

  ParsedCommandLine parse() {
    ParsedCommandLine result;
    bool optionsEnded = false;
    bool haveInput = false;
    for (pos_ = 1; pos_ < args_.size() && error_.empty(); ++pos_) {
      const std::string& arg = args_[pos_];
      if (!optionsEnded && arg == "--") {
        optionsEnded = true;
      } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
        option(arg);
      } else if (haveInput) {
        error_ = "unexpected argument '" + arg + "'";
      } else {
        line_.input = arg;
        haveInput = true;
      }
    }
    if (error_.empty() && !haveInput) error_ = "missing INPUT file";
    if (error_.empty() && line_.input.empty()) error_ = "empty INPUT file name";
    if (error_.empty())
      result.line = line_;
    else
      result.error = error_;
    return result;
  }

 private:
  void option(const std::string& arg) {
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (name == "-o" || name == "--output") {
      if (!line_.command->takesOutput) {
        error_ = std::string(line_.command->name) + " does not take " + name;
        return;
      }
      takeValue(arg, equals, line_.output);
      if (error_.empty() && line_.output->empty()) error_ = "empty OUTPUT file name";
    } else if (name == "--disabled-sign") {
      takeValue(arg, equals, line_.disabledSign);
      if (error_.empty() && !isUsableDisabledSign(*line_.disabledSign)) error_ = kDisabledSignRule;
    } else {
      error_ = "unknown option '" + arg + "'";
    }
  }

  // "--name=value" or "--name value"; each option at most once.
  void takeValue(const std::string& arg, std::size_t equals, std::optional<std::string>& slot) {
    const std::string name = arg.substr(0, equals);
    if (slot) {
      error_ = name + " given twice";
      return;
    }
    if (equals != std::string::npos) {
      slot = arg.substr(equals + 1);
    } else if (pos_ + 1 < args_.size()) {
      slot = args_[++pos_];
    } else {
      error_ = name + " needs a value";
    }
  }

  const std::vector<std::string>& args_;
  std::size_t pos_ = 0;
  CommandLine line_;
  std::string error_;
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args, std::span<const Command> commands) {
  if (asksForHelp(args)) return helpAsked();
  if (args.empty()) return refused("no command given");
  const Command* command = findCommand(args[0], commands);
  if (!command) return refused("unknown command '" + args[0] + "'");
  return Parser(args, *command).parse();
}

std::string commandSynopsis(std::span<const Command> commands) {
  std::string text;
  for (const Command& command : commands) {
    if (!text.empty()) text += " | ";
    text += std::string(command.name) + " INPUT";
    if (command.takesOutput) text += " [-o OUTPUT]";
    text += " [--disabled-sign SIGN]";
  }
  return text;
}
