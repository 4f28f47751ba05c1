#include "check/check_entry.h"

#include "devices/velmor_device.h"

std::optional<CheckEntry> makeCheckEntry(const VelmorBusDevice& device, bool withConfiguration) {
  if (device.kind() == DeviceKind::Loader) return std::nullopt;
  CheckEntry entry;
  entry.bus = device.checkedBus(withConfiguration);
  entry.name = device.name;
  entry.vectors = device.checkedVectors(withConfiguration);
  entry.registerAddress = device.registerAddress;
  entry.areaSize = device.checkedAreaSize();
  entry.disabled = device.disabled;
  return entry;
}
