#include "ui/group_table.h"

#include <array>

namespace {

constexpr AddCommand kDiskAdds[] = {
    {"MSCP", "MSCP", "Add MSCP disk controller"},
    {"RH11", "RH11", "Add RH11 disk controller"},
    {"RK07", "RK07", "Add RK07 disk controller"},
    {"RK11", "RK11", "Add RK11 disk controller"},
    {"RL11", "RL11", "Add RL11 disk controller"},
    {"RP11", "RP11", "Add RP11 disk controller"},
    {"RXV11", "RXV11", "Add RXV11 disk controller"},
    {"RXV21", "RXV21", "Add RXV21 disk controller"},
};

constexpr AddCommand kTapeAdds[] = {
    {"TMSCP", "TMSCP", "Add TMSCP tape controller"},
    {"TM11", "TM11", "Add TM11 tape controller"},
    {"TS11", "TS11", "Add TS11 tape controller"},
    {"TU16", "TU16", "Add TU16 tape controller"},
};

constexpr AddCommand kSerialAdds[] = {
    {"DL11", "DL11", "Add DL11 serial lines controller"},
    {"DJ11", "DJ11", "Add DJ11 serial lines controller"},
    {"DHV11", "DHV11", "Add DHV11 serial lines controller"},
    {"DZ11", "DZ11", "Add DZ11 serial lines controller"},
    {"QQ11", "QQ11", "Add serial pseudo-device QQ11"},
    {"QQ11-N", "QQ11-N", "Add serial pseudo-device QQ11-N"},
};

constexpr AddCommand kParallelAdds[] = {
    {"DRV11", "DRV11", "Add new DRV11 device mapped to the DCI1300"},
    {"DR11-C", "DR11-C", "Add new DR11-C device mapped to the DCI1300"},
    {"DRXXX", "DRXXX", "Add new DRXXX device mapped to the DAQ interface"},
};

constexpr AddCommand kPrinterAdds[] = {
    {"LP11", "LP11", ""},
};

constexpr AddCommand kNetworkAdds[] = {
    {"DEQNA", "DEQNA", "Add DEQNA network adapter"},
    {"DELQA", "DELQA", "Add DELQA network adapter"},
    {"DESQA", "DESQA", "Add DESQA network adapter "},
    {"DELUA", "DELUA", "Add DELUA network adapter"},
    {"VELNA", "VELNA", "Add VELNA virtual network adapter"},
};

constexpr AddCommand kVa1000Adds[] = {
    {"VA1000", "VA1000", "Add VA1000 adapter"},
};

constexpr AddCommand kBridgeAdds[] = {
    {"QBUS-BRIDGE", "QBUS-BRIDGE", "Add QBUS-BRIDGE bridge adapter"},
    {"UNIBUS-BRIDGE", "UNIBUS-BRIDGE", "Add UNIBUS-BRIDGE bridge adapter"},
};

constexpr AddCommand kTimerAdds[] = {
    {"TOY", "TOY", "Add TOY clock"},
    {"KWV11", "KWV11", "Add KWV11 timer device"},
    {"KW11-L", "KW11-L", "Add KW11-L timer device"},
    {"KW11-P", "KW11-P", "Add KW11-P timer device"},
    {"KW11-W", "KW11-W", "Add KW11-W timer device"},
};

constexpr AddCommand kLoaderAdds[] = {
    {"Loader", "LOADER", "Add binary image loader"},
};

constexpr AddCommand kRomAdds[] = {
    {"ROM", "ROM", "Add ROM device to the configuration"},
};

const std::array<GroupInfo, kDeviceGroupCount> kGroups = {{
    {DeviceGroup::System, "System", ImageSet::System, AddKind::Disk, 9022, {}},
    {DeviceGroup::Disks, "Disk Controllers", ImageSet::Disk, AddKind::Disk, 10002, kDiskAdds},
    {DeviceGroup::Tapes, "Tape Controllers", ImageSet::Tape, AddKind::Tape, 10003, kTapeAdds},
    {DeviceGroup::Serials, "Serial Line Adapters", ImageSet::Serial, AddKind::Serial, 10004, kSerialAdds},
    {DeviceGroup::Parallel, "Parallel Interfaces", ImageSet::Parallel, AddKind::Parallel, 10012, kParallelAdds},
    {DeviceGroup::LinePrinters, "Line Printers", ImageSet::LinePrinter, AddKind::Serial, 10006, kPrinterAdds},
    {DeviceGroup::Networks, "Network Adapters", ImageSet::Network, AddKind::Network, 10007, kNetworkAdds},
    {DeviceGroup::Va1000s, "Va1000 Adapters", ImageSet::Va1000, AddKind::Va1000, 10008, kVa1000Adds},
    {DeviceGroup::Bridges, "Bridge Adapters", ImageSet::Bridge, AddKind::Bridge, 10009, kBridgeAdds},
    {DeviceGroup::Loaders, "Binary Loaders", ImageSet::Loader, AddKind::Loader, 10010, kLoaderAdds},
    {DeviceGroup::TimerClock, "Timer & Clock", ImageSet::TimerClock, AddKind::TimerOrClock, 10011, kTimerAdds},
    {DeviceGroup::ROMs, "ROMs", ImageSet::ROM, AddKind::ROM, 10014, kRomAdds},
}};

}  // namespace

std::span<const GroupInfo> groupTable() { return kGroups; }

const GroupInfo& groupInfo(DeviceGroup group) { return kGroups[static_cast<std::size_t>(group)]; }

DeviceGroup menuGroupOf(std::optional<DeviceGroup> group) {
  if (!group || *group == DeviceGroup::System) return DeviceGroup::Disks;
  return *group;
}

int helpContextOf(std::optional<DeviceGroup> group) {
  return group ? groupInfo(*group).helpContext : kNoNodeHelpContext;
}
