#include "devices/device_registry.h"

#include "devices/base_device.h"
#include "devices/bridge_device.h"
#include "devices/clock_device.h"
#include "devices/dci1300_device.h"
#include "devices/disk_device.h"
#include "devices/drxxx_device.h"
#include "devices/loader_device.h"
#include "devices/network_device.h"
#include "devices/rom_device.h"
#include "devices/serial_device.h"
#include "devices/tape_device.h"
#include "devices/text_utils.h"
#include "devices/timer_device.h"
#include "devices/va1000_device.h"

namespace {

template <class Device>
std::unique_ptr<VelmorBusDevice> make(std::string type, std::string model, std::string name) {
  return std::make_unique<Device>(std::move(type), std::move(model), std::move(name));
}

}  // namespace

std::vector<KindTables> allKindTables() {
  return {
      {"VelmorBaseDevice", &baseModelRows(), nullptr},
      {"VelmorDiskDevice", &diskModelRows(), &diskModelAliases()},
      {"VelmorTapeDevice", &tapeModelRows(), &tapeModelAliases()},
      {"VelmorSerialDevice", &serialModelRows(), &serialModelAliases()},
      {"VelmorNetworkDevice", &networkModelRows(), &networkModelAliases()},
      {"VelmorVa1000Device", &va1000ModelRows(), &va1000ModelAliases()},
      {"VelmorDCI1300Device", &dci1300ModelRows(), &dci1300ModelAliases()},
      {"VelmorDRXXXDevice", &drxxxModelRows(), &drxxxModelAliases()},
      {"VelmorBridgeDevice", &bridgeModelRows(), &bridgeModelAliases()},
      {"VelmorTimerDevice", &timerModelRows(), &timerModelAliases()},
      {"VelmorClockDevice", &clockModelRows(), &clockModelAliases()},
      {"VelmorLoaderDevice", &loaderModelRows(), &loaderModelAliases()},
      {"VelmorROMDevice", &romModelRows(), &romModelAliases()},
  };
}

const std::vector<LoadableKind>& loadOrder() {
  static const std::vector<LoadableKind> kinds = {
      {"VelmorDiskDevice", DeviceKind::Disk, false, &make<VelmorDiskDevice>},
      {"VelmorTapeDevice", DeviceKind::Tape, false, &make<VelmorTapeDevice>},
      {"VelmorSerialDevice", DeviceKind::Serial, false, &make<VelmorSerialDevice>},
      {"VelmorNetworkDevice", DeviceKind::Network, false, &make<VelmorNetworkDevice>},
      {"VelmorVa1000Device", DeviceKind::Va1000, true, &make<VelmorVa1000Device>},
      {"VelmorDCI1300Device", DeviceKind::DCI1300, false, &make<VelmorDCI1300Device>},
      {"VelmorDRXXXDevice", DeviceKind::DRXXX, false, &make<VelmorDRXXXDevice>},
      {"VelmorBridgeDevice", DeviceKind::Bridge, true, &make<VelmorBridgeDevice>},
      {"VelmorTimerDevice", DeviceKind::Timer, false, &make<VelmorTimerDevice>},
      {"VelmorClockDevice", DeviceKind::Clock, false, &make<VelmorClockDevice>},
      {"VelmorLoaderDevice", DeviceKind::Loader, false, &make<VelmorLoaderDevice>},
      {"VelmorROMDevice", DeviceKind::ROM, false, &make<VelmorROMDevice>},
  };
  return kinds;
}

const LoadableKind* findLoadableKind(std::string_view className) {
  for (const LoadableKind& kind : loadOrder())
    if (kind.className == className) return &kind;
  return nullptr;
}

std::unique_ptr<VelmorBusDevice> createDevice(const LoadableKind& kind, std::string_view word, const std::string& name) {
  const ModelTable& table = ModelTable::instance();
  std::string type, model;
  if (kind.typeAsWritten) {
    type = std::string(word);
  } else {
    std::string alias = table.aliasOf(kind.className, word);
    type = alias.empty() ? table.typeOfWord(kind.className, word) : alias;
    if (alias.empty() && !equalsIgnoreCase(word, type)) model = std::string(word);
  }
  std::unique_ptr<VelmorBusDevice> device = kind.create(std::move(type), std::move(model), name);
  device->applyModelDefaults(false);
  return device;
}

std::unique_ptr<VelmorBusDevice> createDeviceForLoadWord(std::string_view word, const std::string& name) {
  const ModelTable& table = ModelTable::instance();
  for (const LoadableKind& kind : loadOrder())
    if (table.isKnownWord(kind.className, word)) return createDevice(kind, word, name);
  return nullptr;
}
