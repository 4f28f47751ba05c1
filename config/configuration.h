#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/base_device.h"
#include "devices/velmor_device.h"

class SettingsStore;
class UserMessages;

// The per-kind device lists, in the order FindDevice searches them.
enum class DeviceListId : std::size_t {
  Disks,
  Tapes,
  Serials,
  LinePrinters,
  Networks,
  Va1000s,
  Bridges,
  DRXXXs,
  DCI1300s,
  Timers,
  Clocks,
  Loaders,
  ROMs,
};
inline constexpr std::size_t kDeviceListCount = 13;

using DeviceList = std::vector<std::unique_ptr<VelmorBusDevice>>;

inline constexpr const char* kDefaultTargetOs = "Windows NT 4.0";

// One configuration script in memory: header properties, the system entry
// and every loaded device, by kind.
class Configuration {
 public:
  explicit Configuration(const SettingsStore* settings = nullptr);

  DeviceList& list(DeviceListId id) { return lists_[static_cast<std::size_t>(id)]; }
  const DeviceList& list(DeviceListId id) const { return lists_[static_cast<std::size_t>(id)]; }

  // The list a device of this kind belongs in (serial devices of type "lp11"
  // are line printers).
  static DeviceListId listFor(const VelmorBusDevice& device);
  // Appends the device to its kind's list and answers where it went.
  VelmorBusDevice& append(std::unique_ptr<VelmorBusDevice> device);

  // "cpu" and "mmu" name the system entry; otherwise the first device, in
  // list order, whose name matches ignoring case.
  VelmorDevice* FindDevice(std::string_view name);
  bool HasActiveTimer() const;
  bool HasActiveClock() const;
  // Adds the devices of a configuration made from an empty file.
  void BuildDefaultConfiguration();
  // Back to a new configuration: target OS, system entry, lists and header
  // texts. The current path, the warnings flag and the disabled sign stay.
  void ResetConfiguration();

  // Editing operations; devices are named ignoring case, as FindDevice finds them.
  VelmorBusDevice* FindBusDevice(std::string_view name);
  // These take the device itself, so a command reaches the one it was given
  // even where two devices share a name (reading never loads such a pair, but
  // the lists do not forbid it).
  void DeleteDevice(const VelmorBusDevice& device);
  void DisableDevice(VelmorBusDevice& device);
  // Refused (with a stop message) for a timer or clock while another one is active.
  bool EnableDevice(VelmorBusDevice& device, UserMessages& messages);
  // How many devices answer to the name (letter case ignored).
  std::size_t CountNamed(std::string_view name) const;
  // All devices of every list, the system entry not counted.
  std::size_t DeviceCount() const;
  // Whether any two devices answer to one name (letter case ignored).
  bool HasSharedName() const;
  bool IsDeviceDisabled(std::string_view name);
  bool NameExists(std::string_view name);
  // The prefix and the first free letter: DUA, DUB...
  std::string UniqueName(std::string_view prefix);
  // Placement of a further controller after the others of its list.
  std::int32_t NextVector(DeviceListId list, std::string_view type, std::string_view model) const;
  std::int32_t NextRegister(DeviceListId list, std::string_view type, std::string_view model) const;
  // Makes `device` the only boot device (or, with nullptr, leaves none).
  void ClearOtherBootDevices(const VelmorBusDevice* device);

  std::string fileName;
  std::string date;
  std::string userName;
  std::string projectName;
  std::string targetOs = kDefaultTargetOs;
  std::string currentPath;
  VelmorBaseDevice system;
  std::string disabledSign;
  bool warnings = true;

 private:
  std::array<DeviceList, kDeviceListCount> lists_;
};

// Disks, tapes and loaders boot from one of their units; a ROM boots by its
// start flag. One device of the configuration at most is the boot device.
bool IsBootController(DeviceKind kind);
bool IsBootDevice(const VelmorBusDevice& device);

// Lists in the order FindDevice visits them.
inline constexpr std::array<DeviceListId, kDeviceListCount> kFindOrder = {
    DeviceListId::Disks,    DeviceListId::Tapes,   DeviceListId::Serials, DeviceListId::LinePrinters,
    DeviceListId::Networks, DeviceListId::Va1000s, DeviceListId::Bridges, DeviceListId::DRXXXs,
    DeviceListId::DCI1300s, DeviceListId::Timers,  DeviceListId::Clocks,  DeviceListId::Loaders,
    DeviceListId::ROMs};

// Lists in the order the writer writes them (bridges before Va1000 adapters).
inline constexpr std::array<DeviceListId, kDeviceListCount> kWriteOrder = {
    DeviceListId::Disks,    DeviceListId::Tapes,   DeviceListId::Serials, DeviceListId::LinePrinters,
    DeviceListId::Networks, DeviceListId::Bridges, DeviceListId::Va1000s, DeviceListId::DRXXXs,
    DeviceListId::DCI1300s, DeviceListId::Timers,  DeviceListId::Clocks,  DeviceListId::Loaders,
    DeviceListId::ROMs};
