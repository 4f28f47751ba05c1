#include "config/configuration.h"

#include "config/settings_store.h"
#include "devices/device_registry.h"
#include "devices/serial_device.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"

Configuration::Configuration(const SettingsStore* settings) : disabledSign(disabledSignFrom(settings)) {
  ModelTable::instance();  // every kind's tables exist before any device
}

DeviceListId Configuration::listFor(const VelmorBusDevice& device) {
  switch (device.kind()) {
    case DeviceKind::Disk: return DeviceListId::Disks;
    case DeviceKind::Tape: return DeviceListId::Tapes;
    case DeviceKind::Serial:
      return isLinePrinterType(device.type) ? DeviceListId::LinePrinters : DeviceListId::Serials;
    case DeviceKind::Network: return DeviceListId::Networks;
    case DeviceKind::Va1000: return DeviceListId::Va1000s;
    case DeviceKind::Bridge: return DeviceListId::Bridges;
    case DeviceKind::DRXXX: return DeviceListId::DRXXXs;
    case DeviceKind::DCI1300: return DeviceListId::DCI1300s;
    case DeviceKind::Timer: return DeviceListId::Timers;
    case DeviceKind::Clock: return DeviceListId::Clocks;
    case DeviceKind::Loader: return DeviceListId::Loaders;
    case DeviceKind::ROM: return DeviceListId::ROMs;
    default: break;
  }
  // Units and the system entry never reach a list; keep the compiler content.
  return DeviceListId::Disks;
}

VelmorBusDevice& Configuration::append(std::unique_ptr<VelmorBusDevice> device) {
  DeviceList& target = list(listFor(*device));
  target.push_back(std::move(device));
  return *target.back();
}

VelmorDevice* Configuration::FindDevice(std::string_view name) {
  if (equalsIgnoreCase(name, "cpu") || equalsIgnoreCase(name, "mmu")) return &system;
  return FindBusDevice(name);
}

namespace {
bool hasEnabled(const DeviceList& devices) {
  for (const auto& device : devices)
    if (!device->disabled) return true;
  return false;
}
}  // namespace

bool Configuration::HasActiveTimer() const { return hasEnabled(list(DeviceListId::Timers)); }
bool Configuration::HasActiveClock() const { return hasEnabled(list(DeviceListId::Clocks)); }

void Configuration::BuildDefaultConfiguration() {
  // Made exactly as the equivalent script lines would make them.
  if (auto disk = createDeviceForLoadWord("MSCP", "DUA")) {
    disk->parseSetStatement("set DUA file[0]=\"rsx.dsk\"");
    if (VelmorUnit* unit = static_cast<VelmorUnitDevice&>(*disk).unitAt(0)) unit->setBoot(true);
    append(std::move(disk));
  }
  if (auto serial = createDeviceForLoadWord("DL11", "YLA")) {
    serial->parseSetStatement("set YLA line[0]=\"run terminal\"");
    append(std::move(serial));
  }
  if (auto timer = createDeviceForLoadWord("KW11-L", "KWA")) append(std::move(timer));
}
