#include "script_generator.h"

#include "devices/number_format.h"

namespace {

// Registers 16 bytes apart (wider than any area used here) in the 22-bit
// space, and two vectors per device.
constexpr int kFirstRegister = 017000000;
constexpr int kRegisterStep = 020;
constexpr int kFirstVector = 01000;
constexpr int kVectorStep = 010;

void appendLine(std::string& out, const std::string& line) {
  out += line;
  out += "\r\n";
}

}  // namespace

std::string GenerateScript(int devices) {
  std::string out;
  appendLine(out, "## Configuration generated for measurements");
  appendLine(out, "#OS Windows NT 4.0");
  appendLine(out, "set cpu model=\"PDP 11/94\"");
  appendLine(out, "set cpu memory_size=4096");
  for (int i = 0; i < devices; ++i) {
    const std::string number = std::to_string(i);
    const std::string reg = formatOctal(kFirstRegister + i * kRegisterStep);
    const std::string vector = formatOctal(kFirstVector + i * kVectorStep);
    const std::string vector1 = formatOctal(kFirstVector + i * kVectorStep + 4);
    appendLine(out, "");
    if (i % 2 == 0) {
      const std::string name = "DU" + number;
      appendLine(out, "# disk controller " + number);
      appendLine(out, "load MSCP " + name);
      appendLine(out, "set " + name + " register=" + reg);
      appendLine(out, "set " + name + " vector=" + vector + " priority=5");
      appendLine(out, "set " + name + " file[0]=\"disks\\system " + number + ".dsk\" writeprotect[0]=yes");
      appendLine(out, "set " + name + " file[1]=\"disks\\data" + number + ".dsk\" sector_size[1]=1024.");
    } else {
      const std::string name = "YL" + number;
      appendLine(out, "# terminal line " + number);
      appendLine(out, "load DL11 " + name);
      appendLine(out, "set " + name + " register=" + reg + " vector=" + vector);
      appendLine(out, "set " + name + " vector1 = " + vector1);
      appendLine(out, "set " + name + " line[0]=\"COM" + number + ":\" speed[0]=9600.");
    }
  }
  return out;
}
