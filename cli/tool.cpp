#include "cli/tool.h"

#include <array>

#include "cli/check_command.h"
#include "cli/command_line.h"
#include "cli/script_commands.h"

namespace {

const std::array<Command, 3> kCommands = {{
    {"format", true, &runFormat},
    {"print", false, &runPrint},
    {"check", false, &runCheck},
}};

constexpr const char* kHelp =
    "velmor-cfg: reads and rewrites PDP-11 emulator configuration scripts (.cfg)\n"
    "\n"
    "Commands:\n"
    "  velmor-cfg format INPUT [-o OUTPUT] [--disabled-sign SIGN]\n"
    "      Reads INPUT as the editor opens a file and writes the script exactly as\n"
    "      the editor's save would (canonical layout, CR LF line ends) to OUTPUT, or\n"
    "      to standard output without -o. OUTPUT is replaced only once it is\n"
    "      completely written; it may be INPUT itself.\n"
    "  velmor-cfg print INPUT [--disabled-sign SIGN]\n"
    "      The same text with bare line feeds, to standard output.\n"
    "  velmor-cfg check INPUT [--disabled-sign SIGN]\n"
    "      Reads INPUT (going on with what was read when the editor would refuse it)\n"
    "      and prints every device's conflict and bus-type findings.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUTPUT     format only: write to OUTPUT, not to standard output\n"
    "  --disabled-sign SIGN    the text that marks a disabled device's statements\n"
    "                          (default: the editor's stored setting when this\n"
    "                          build reads it and it is usable, else \"#$\")\n"
    "  -h, --help, help        show this help\n"
    "  --                      ends the options: an INPUT may then begin with \"-\"\n"
    "Options also take their value after \"=\" (--disabled-sign=SIGN).\n"
    "\n"
    "The \"## File Name: \" line holds INPUT as given. The date of writing is the\n"
    "current local time; when SOURCE_DATE_EPOCH is set and not empty, that instant\n"
    "in UTC. Messages of the reader go to standard error, then the lines of INPUT a\n"
    "save would not keep.\n"
    "\n"
    "Exit status: 0 done (also when lines were not kept); 1 the file could not be\n"
    "read, loaded or written (for check also when it found conflicts), or a bad\n"
    "SOURCE_DATE_EPOCH; 2 check found a conflict or a bus error; 64 wrong command\n"
    "line.\n";

void print(std::FILE* file, const std::string& text) { std::fwrite(text.data(), 1, text.size(), file); }

}  // namespace

int runTool(const std::vector<std::string>& args, ToolContext& context) {
  const ParsedCommandLine parsed = parseCommandLine(args, kCommands);
  if (parsed.help) return writeOut(context, kHelp) ? kExitOk : kExitFailure;
  if (!parsed.line) {
    // Some reasons are whole sentences already.
    const std::string stop = !parsed.error.empty() && parsed.error.back() == '.' ? " " : ". ";
    print(context.err, "velmor-cfg: " + parsed.error + stop + "Usage: velmor-cfg " + commandSynopsis(kCommands) +
                           " (velmor-cfg --help explains)\n");
    return kExitUsage;
  }
  return parsed.line->command->run(*parsed.line, context);
}
