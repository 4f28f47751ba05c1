#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "config/document.h"
#include "config/user_messages.h"
#include "devices/number_format.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"

NameProblem checkNameShape(std::string_view name) {
  if (name.empty()) return NameProblem::Empty;
  if (std::any_of(name.begin(), name.end(), isSpace)) return NameProblem::HasBlank;
  if (name.size() > kMaxDeviceNameLength) return NameProblem::TooLong;
  return NameProblem::None;
}

NameProblem checkDeviceName(Configuration& configuration, std::string_view name, std::string_view ownName) {
  if (const NameProblem shape = checkNameShape(name); shape != NameProblem::None) return shape;
  const VelmorDevice* found = configuration.FindDevice(name);
  if (found && found != configuration.FindDevice(ownName)) return NameProblem::Taken;
  return NameProblem::None;
}

std::string nameProblemText(NameProblem problem) {
  switch (problem) {
    case NameProblem::None: return {};
    case NameProblem::Empty: return "Empty device name is not allowed.Specify valid name.";
    case NameProblem::Taken: return "Device with such name already exists. Specify another name.";
    case NameProblem::HasBlank: return "Device name must not contain blanks. Specify valid name.";
    case NameProblem::TooLong:
      return "Device name must not be longer than " + std::to_string(kMaxDeviceNameLength) +
             " characters. Specify valid name.";
  }
  return {};
}

std::string checkQuotedValue(std::string_view what, std::string_view text) {
  const std::string field(what);
  if (text.find('"') != std::string_view::npos) return "The " + field + " cannot contain a double quote.";
  // Pasted text often ends in one; it would split the written `set` line.
  // A CR alone reads back as it was written.
  if (text.find('\n') != std::string_view::npos) return "The " + field + " cannot contain a line break.";
  return {};
}

std::string checkCpuModel(std::string_view model) { return checkQuotedValue("CPU model", model); }

bool readIntegerText(std::string_view text, std::int32_t& value) {
  const std::string digits = trim(text);
  const bool signedText = !digits.empty() && (digits[0] == '-' || digits[0] == '+');
  const bool integer = digits.size() > (signedText ? 1u : 0u) &&
                       std::all_of(digits.begin() + (signedText ? 1 : 0), digits.end(),
                                   [](char c) { return c >= '0' && c <= '9'; });
  if (!integer) return false;
  errno = 0;
  const long long read = std::strtoll(digits.c_str(), nullptr, 10);
  if (errno == ERANGE || read < INT32_MIN || read > INT32_MAX) return false;
  value = static_cast<std::int32_t>(read);
  return true;
}

bool readOctalText(std::string_view text, std::int32_t& value) {
  const std::string number = trim(text);
  std::string_view digits = number;
  const bool decimal = !digits.empty() && digits.back() == '.';
  if (decimal) digits.remove_suffix(1);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  const char highest = decimal ? '9' : '7';
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [&](char c) { return c >= '0' && c <= highest; }))
    return false;
  // parseNumber saturates at the 32-bit limits; a number past them is refused.
  const int base = decimal ? 10 : 8;
  std::int64_t magnitude = 0;
  for (const char c : digits) {
    magnitude = magnitude * base + (c - '0');
    if (magnitude > std::int64_t{INT32_MAX} + 1) return false;
  }
  if (magnitude > (negative ? std::int64_t{INT32_MAX} + 1 : std::int64_t{INT32_MAX})) return false;
  value = parseNumber(number);
  return true;
}

std::string checkMemorySize(std::string_view text, std::int32_t& size) {
  std::int32_t value = 0;
  if (!readIntegerText(text, value)) return kEnterIntegerText;
  if (value < kMinMemorySize || value > kMaxMemorySize || value % 8 != 0)
    return "Please, enter value between 512 and 4088.\nThis value must be multiple of 8.";
  size = value;
  return {};
}

namespace {

// After a new type or model the list holds as many units as the old count
// said; the page's count names the new model's units, so the list follows
// it, filled with defaults. Without such a change the list stays as the
// device had it, even where a script set a count of its own.
void matchUnitList(VelmorBusDevice& device) {
  auto* owner = dynamic_cast<VelmorUnitDevice*>(&device);
  if (!owner) return;
  const std::size_t wanted = static_cast<std::size_t>(std::clamp(owner->units, 0, kMaxUnits));
  if (owner->unitCount() == wanted) return;
  owner->deleteUnits();
  for (std::size_t i = 0; i < wanted; ++i) owner->createUnit(static_cast<int>(i));
}

void runSpecificWriters(const DeviceSheetValues& values, VelmorBusDevice& device) {
  for (const auto& writer : values.specificWriters)
    if (writer) writer(device);
}

}  // namespace

void CVelmorCfgEditorDoc::writeBackDevice(VelmorBusDevice& device, DeviceSheetValues& values) {
  const GeneralPageValues& general = values.general;
  const std::string oldName = device.name;
  // Counted before the rename: afterwards the old name may look unshared.
  const bool nameWasShared = checkerCannotTell(oldName);
  const bool newModel = device.type != general.type || device.model != general.model;
  // Taking the type's defaults afresh resets the units and the kind's own
  // fields; with the same type and model that would only throw away what no
  // page of the sheet gives back, so it happens only on a real change. The
  // units' records then go back into the rebuilt list, as the unit-list page
  // hands them back when it is not shown again after the change.
  std::unique_ptr<VelmorDevice> unitsBefore;
  if (newModel) {
    if (dynamic_cast<VelmorUnitDevice*>(&device)) unitsBefore = device.clone();
    device.setType(general.type);
    device.model = general.model;
    device.applyModelDefaults(false);
  }
  device.name = general.name;
  device.registerAddress = parseNumber(general.registerText);
  device.vector = parseNumber(general.vectorText);
  device.priority = parseNumber(general.priorityText);
  // The page shows another count than the device's only after a new type or
  // model; one chosen and then undone must not leave the count and the unit
  // list apart.
  if (newModel) {
    device.units = parseNumber(general.unitsText + ".");
    matchUnitList(device);
  }
  if (unitsBefore)
    static_cast<VelmorUnitDevice&>(device).takeUnitsFrom(static_cast<const VelmorUnitDevice&>(*unitsBefore));
  runSpecificWriters(values, device);
  config_.ClearOtherBootDevices(&device);
  device.comments = values.comments;
  if (nameWasShared || checkerCannotTell(device.name)) {
    rebuildChecker();
    return;
  }
  checker_.remove(oldName);
  checker_.addDevice(device);
}

bool CVelmorCfgEditorDoc::DeviceProperties(const std::string& name, const DeviceSheetRunner& runSheet) {
  VelmorBusDevice* device = config_.FindBusDevice(name);
  return device && DeviceProperties(*device, runSheet);
}

bool CVelmorCfgEditorDoc::DeviceProperties(VelmorBusDevice& device, const DeviceSheetRunner& runSheet) {
  if (device.disabled || !runSheet) return false;
  std::unique_ptr<VelmorDevice> copied = device.clone();
  auto* copy = static_cast<VelmorBusDevice*>(copied.get());
  DeviceSheetValues values;
  if (!runSheet(*copy, values)) return false;
  if (device.kind() == DeviceKind::Loader) {
    // No General page and no checker entry: only the units and the comments.
    runSpecificWriters(values, device);
    // A boot unit chosen here makes the loader the one boot device, as for
    // disks and tapes: a save writes one boot statement per list, and reading
    // stops at the first.
    config_.ClearOtherBootDevices(&device);
    device.comments = values.comments;
  } else {
    // The page refuses such names already; a caller that skipped it must not
    // leave two devices answering to one name.
    const NameProblem problem = checkDeviceName(config_, values.general.name, device.name);
    if (problem != NameProblem::None) {
      messages_.stop(nameProblemText(problem));
      return false;
    }
    writeBackDevice(device, values);
  }
  resetView();
  modified_ = true;
  return true;
}

bool CVelmorCfgEditorDoc::SystemProperties(const SystemSheetRunner& runSheet) {
  if (!runSheet) return false;
  VelmorBaseDevice& system = config_.system;
  SystemSheetValues values{system.model, system.memorySize, system.comments};
  if (!runSheet(values)) return false;
  system.model = values.model;
  system.applyModelDefaults(false);
  system.memorySize = values.memorySize;
  system.comments = values.comments;
  checker_.setSystemBus(system.bus);
  resetView();
  modified_ = true;
  return true;
}
