#include "devices/base_device.h"

#include "devices/number_format.h"

const std::vector<ModelDescriptor>& baseModelRows() {
  // CPU models in the order the system page offers them; bus 1 UNIBUS, 2 QBUS.
  static const std::vector<ModelDescriptor> rows = {
      {"CPU&MEMORY", "PDP 11/03", "", BusQbus},   {"CPU&MEMORY", "PDP 11/04", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/05", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/10", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/15", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/20", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/21", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/23", "", BusQbus},
      {"CPU&MEMORY", "LSI 11 (T11)", "", BusQbus}, {"CPU&MEMORY", "PDP 11/24", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/34", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/35", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/40", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/44", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/45", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/50", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/53", "", BusQbus},   {"CPU&MEMORY", "PDP 11/55", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/60", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/70", "", BusUnibus},
      {"CPU&MEMORY", "PDP 11/73", "", BusQbus},   {"CPU&MEMORY", "PDP 11/83", "", BusQbus},
      {"CPU&MEMORY", "PDP 11/84", "", BusUnibus}, {"CPU&MEMORY", "PDP 11/93", "", BusQbus},
      {"CPU&MEMORY", "PDP 11/94", "", BusUnibus},
  };
  return rows;
}

VelmorBaseDevice::VelmorBaseDevice() : VelmorDevice(DeviceKind::System, kTypeAndName, "", kTypeAndName) {
  applyModelDefaults(false);
}

std::unique_ptr<VelmorDevice> VelmorBaseDevice::clone() const {
  return std::make_unique<VelmorBaseDevice>(*this);
}

bool VelmorBaseDevice::setParameter(std::string_view key, int, std::string_view value) {
  clearUnitTouched();
  if (key == "model") return setModelKey(value);
  if (key == "memory_size") {
    memorySize = parseNumber(value);
    return true;
  }
  return false;
}

void VelmorBaseDevice::applyModelDefaults(bool reset) {
  if (model.empty() || reset) {
    model = kDefaultModel;
    memorySize = kDefaultMemorySize;
  }
  if (const ModelDescriptor* row = ModelTable::instance().findDescriptor(className(), type, model)) bus = row->bus;
  comments.clear();
}

void VelmorBaseDevice::writeStatements(std::string& out, const std::string& disabledSign) const {
  writeDeviceComments(out, comments, disabledSign);
  out += "set CPU model=\"" + model + "\"\n";
  out += "set MMU memory_size=" + formatOctal(memorySize) + "\n";
}
