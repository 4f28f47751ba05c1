#include "devices/device_registry.h"

#include <unordered_map>

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

namespace {

// Every `load` word, lower-cased, with the first kind in load order that
// knows it: one lookup per `load` instead of a search through every table.
const std::unordered_map<std::string, const LoadableKind*>& loadWordIndex() {
  static const std::unordered_map<std::string, const LoadableKind*> index = [] {
    std::unordered_map<std::string, const LoadableKind*> words;
    const std::vector<KindTables> tables = allKindTables();
    for (const LoadableKind& kind : loadOrder())
      for (const KindTables& t : tables) {
        if (t.className != kind.className) continue;
        for (const ModelDescriptor& row : *t.rows) {
          words.emplace(toLower(row.type), &kind);
          if (!row.model.empty()) words.emplace(toLower(row.model), &kind);
        }
        if (t.aliases)
          for (const ModelAlias& alias : *t.aliases) words.emplace(toLower(alias.word), &kind);
      }
    return words;
  }();
  return index;
}

}  // namespace

std::unique_ptr<VelmorBusDevice> createDeviceForLoadWord(std::string_view word, const std::string& name) {
  const auto& index = loadWordIndex();
  auto it = index.find(toLower(word));
  return it == index.end() ? nullptr : createDevice(*it->second, word, name);
}
