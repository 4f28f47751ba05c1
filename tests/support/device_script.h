#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "devices/device_registry.h"

// A device made as `load WORD NAME` makes it, cast to the kind the test
// expects; nullptr when no kind knows the word or another kind takes it.
template <class Device>
std::unique_ptr<Device> loadAs(std::string_view word, const std::string& name) {
  std::unique_ptr<VelmorBusDevice> device = createDeviceForLoadWord(word, name);
  if (!dynamic_cast<Device*>(device.get())) return nullptr;
  return std::unique_ptr<Device>(static_cast<Device*>(device.release()));
}

// The device's own statements, as the writer would get them.
inline std::string writtenForm(const VelmorDevice& device, const std::string& disabledSign = "#$") {
  std::string out;
  device.writeStatements(out, disabledSign);
  return out;
}
