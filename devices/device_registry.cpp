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

namespace {

// What a `load` word means to a kind: the type it loads and whether the word
// itself is the model (a model word rather than a type word or an alias).
struct WordMeaning {
  std::string type;
  bool wordIsModel = false;
};

WordMeaning meaningOf(const LoadableKind& kind, std::string_view word) {
  const ModelTable& table = ModelTable::instance();
  WordMeaning meaning;
  if (kind.typeAsWritten) {
    meaning.type = std::string(word);
    return meaning;
  }
  std::string alias = table.aliasOf(kind.className, word);
  meaning.type = alias.empty() ? table.typeOfWord(kind.className, word) : alias;
  meaning.wordIsModel = alias.empty() && !equalsIgnoreCase(word, meaning.type);
  return meaning;
}

std::unique_ptr<VelmorBusDevice> createFromMeaning(const LoadableKind& kind, const WordMeaning& meaning,
                                                   std::string_view word, const std::string& name) {
  std::unique_ptr<VelmorBusDevice> device =
      kind.create(kind.typeAsWritten ? std::string(word) : meaning.type,
                  meaning.wordIsModel ? std::string(word) : std::string(), name);
  device->applyModelDefaults(false);
  return device;
}

struct LoadWord {
  const LoadableKind* kind;
  WordMeaning meaning;
};

// Every `load` word with the first kind in load order that knows it and what
// it means there: one lookup per `load` instead of a search through every table.
const std::unordered_map<std::string, LoadWord, CaseBlindHash, CaseBlindEqual>& loadWordIndex() {
  static const auto index = [] {
    std::unordered_map<std::string, LoadWord, CaseBlindHash, CaseBlindEqual> words;
    words.max_load_factor(kSparseLoad);
    const std::vector<KindTables> tables = allKindTables();
    auto add = [&](const LoadableKind& kind, const std::string& word) {
      if (!words.contains(word)) words.emplace(word, LoadWord{&kind, meaningOf(kind, word)});
    };
    for (const LoadableKind& kind : loadOrder())
      for (const KindTables& t : tables) {
        if (t.className != kind.className) continue;
        for (const ModelDescriptor& row : *t.rows) {
          add(kind, row.type);
          if (!row.model.empty()) add(kind, row.model);
        }
        if (t.aliases)
          for (const ModelAlias& alias : *t.aliases) add(kind, alias.word);
      }
    return words;
  }();
  return index;
}

}  // namespace

std::unique_ptr<VelmorBusDevice> createDevice(const LoadableKind& kind, std::string_view word, const std::string& name) {
  return createFromMeaning(kind, meaningOf(kind, word), word, name);
}

std::unique_ptr<VelmorBusDevice> createDeviceForLoadWord(std::string_view word, const std::string& name) {
  const auto& index = loadWordIndex();
  auto it = index.find(word);
  return it == index.end() ? nullptr : createFromMeaning(*it->second.kind, it->second.meaning, word, name);
}
