#include "config/script_writer.h"

#include <cstdio>

#include "config/configuration.h"
#include "devices/number_format.h"
#include "devices/rom_device.h"
#include "devices/script_lines.h"
#include "devices/velmor_unit_device.h"

namespace {

const std::string kHashRule(kHeaderRuleLength, '#');

// A value holding a line break (a file name can) would otherwise split its
// header line, and the part after the break would be read back as a statement.
std::string headerValue(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

void writeHeader(std::string& out, const Configuration& config) {
  auto line = [&](std::string_view heading, std::string_view separator, std::string_view value) {
    out += heading;
    out += separator;
    out += headerValue(value);
    out += '\n';
  };
  out += kHashRule + "\n";
  out += kGeneralHeaderLine;
  out += '\n';
  line(kFileNameHeading, "", config.fileName);
  line(kDateHeading, "", config.date);
  line(kUserNameHeading, ": ", config.userName);
  line(kProjectNameHeading, ": ", config.projectName);
  out += kHashRule + "\n\n";
  line(kTargetOsMark, " ", config.targetOs);
  out += '\n';
  if (!config.warnings) out += "warning off\n\n";
}

const VelmorUnitDevice* firstBootController(const DeviceList& devices) {
  for (const auto& device : devices) {
    const auto* controller = dynamic_cast<const VelmorUnitDevice*>(device.get());
    // A boot unit beyond what the saved file gives back could not be booted
    // from when the file is read again.
    if (controller && controller->bootUnitNumber() >= 0 &&
        static_cast<std::size_t>(controller->bootUnitNumber()) < controller->readableUnitCount())
      return controller;
  }
  return nullptr;
}

const VelmorROMDevice* firstStartedRom(const DeviceList& devices) {
  for (const auto& device : devices) {
    const auto* rom = dynamic_cast<const VelmorROMDevice*>(device.get());
    if (rom && rom->start) return rom;
  }
  return nullptr;
}

// Usually one statement; each later one starts on a new line and the last has
// no line end of its own.
void writeBootSection(std::string& out, const Configuration& config) {
  bool first = true;
  auto statement = [&](const std::string& text) {
    if (!first) out += '\n';
    out += text;
    first = false;
  };
  for (DeviceListId id : {DeviceListId::Disks, DeviceListId::Tapes, DeviceListId::Loaders})
    if (const VelmorUnitDevice* controller = firstBootController(config.list(id)))
      statement("boot " + controller->name + " " + std::to_string(controller->bootUnitNumber()));
  if (const VelmorROMDevice* rom = firstStartedRom(config.list(DeviceListId::ROMs)))
    statement("start " + rom->name + " " + formatOctal(rom->startAddress));
}

}  // namespace

std::string FormatScript(const Configuration& config) {
  std::string out;
  writeHeader(out, config);
  config.system.writeStatements(out, config.disabledSign);
  out += '\n';
  for (DeviceListId id : kWriteOrder) {
    for (const auto& device : config.list(id)) {
      device->writeStatements(out, config.disabledSign);
      out += '\n';
    }
  }
  out += '\n';
  out += kBootHeading;
  out += '\n';
  writeBootSection(out, config);
  return out;
}

std::string DiskLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void StampWriteDate(Configuration& config, const std::tm& when) {
  // The C library's "%x %X" in its "C" locale, written out so that no locale
  // setting of the process can change the form.
  // 1900 is a whole number of centuries: the last two digits come from the
  // count of years since it alone, which cannot overflow as the sum can.
  const int year = (when.tm_year % 100 + 100) % 100;
  char text[96];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d", when.tm_mon + 1, when.tm_mday, year,
                when.tm_hour, when.tm_min, when.tm_sec);
  config.date = text;
}

bool LocalTimeOf(std::time_t seconds, std::tm& local) {
#ifdef _WIN32
  return localtime_s(&local, &seconds) == 0;
#else
  return localtime_r(&seconds, &local) != nullptr;
#endif
}

std::tm CurrentLocalTime() {
  std::tm local{};
  LocalTimeOf(std::time(nullptr), local);
  return local;
}

bool WriteScript(Configuration& config, const std::string& path, const ScriptWriteOptions& options) {
  if (!config.system.isComplete()) {
    if (options.failure) *options.failure = "the system entry is incomplete";
    return false;
  }
  SafeFileWriter file(path, options.writeChunk);
  if (!file.open()) {
    if (options.failure) *options.failure = file.failure();
    return false;
  }
  StampWriteDate(config, options.when ? *options.when : CurrentLocalTime());
  const bool written = file.write(DiskLineEnds(FormatScript(config))) && file.commit();
  config.currentPath = path;
  if (!written && options.failure) *options.failure = file.failure();
  return written;
}
