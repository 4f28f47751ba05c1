#pragma once

#include <array>
#include <vector>

#include "config/configuration.h"

// The twelve groups of the device tree, in their order.
enum class DeviceGroup {
  System,
  Disks,
  Tapes,
  Serials,
  Parallel,
  LinePrinters,
  Networks,
  Va1000s,
  Bridges,
  Loaders,
  TimerClock,
  ROMs,
};
inline constexpr std::size_t kDeviceGroupCount = 12;

// The lists shown under a group, in order (none for "System").
std::vector<DeviceListId> listsOfGroup(DeviceGroup group);
// The group that shows a list.
DeviceGroup groupOfList(DeviceListId list);
