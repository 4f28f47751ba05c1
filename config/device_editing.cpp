#include <algorithm>

#include "config/configuration.h"
#include "config/user_messages.h"
#include "devices/model_tables.h"
#include "devices/rom_device.h"
#include "devices/text_utils.h"
#include "devices/velmor_unit_device.h"

namespace {

void clearBoot(VelmorBusDevice& device) {
  if (IsBootController(device.kind())) {
    auto& controller = static_cast<VelmorUnitDevice&>(device);
    for (std::size_t i = 0; i < controller.unitCount(); ++i)
      if (controller.unit(i).isBoot()) {
        controller.unit(i).setBoot(false);
        return;
      }
  } else if (device.kind() == DeviceKind::ROM) {
    static_cast<VelmorROMDevice&>(device).start = false;
  }
}

}  // namespace

VelmorBusDevice* Configuration::FindBusDevice(std::string_view name) {
  for (DeviceListId id : kFindOrder)
    for (const auto& device : list(id))
      if (equalsIgnoreCase(device->name, name)) return device.get();
  return nullptr;
}

void Configuration::ResetConfiguration() {
  targetOs = kDefaultTargetOs;
  system.applyModelDefaults(true);
  for (DeviceList& devices : lists_) devices.clear();
  fileName.clear();
  userName.clear();
  projectName.clear();
  date.clear();
}

void Configuration::DeleteDevice(const VelmorBusDevice& device) {
  for (DeviceList& devices : lists_) {
    auto it = std::find_if(devices.begin(), devices.end(), [&](const auto& owned) { return owned.get() == &device; });
    if (it != devices.end()) {
      devices.erase(it);
      return;
    }
  }
}

std::size_t Configuration::CountNamed(std::string_view name) const {
  std::size_t count = 0;
  for (const DeviceList& devices : lists_)
    for (const auto& device : devices)
      if (equalsIgnoreCase(device->name, name)) ++count;
  return count;
}

bool Configuration::HasSharedName() const {
  std::vector<std::string> names;
  for (const DeviceList& devices : lists_)
    for (const auto& device : devices) {
      names.push_back(device->name);
      lowerInPlace(names.back());
    }
  std::sort(names.begin(), names.end());
  return std::adjacent_find(names.begin(), names.end()) != names.end();
}

void Configuration::DisableDevice(VelmorBusDevice& device) { device.disabled = true; }

bool Configuration::EnableDevice(VelmorBusDevice& device, UserMessages& messages) {
  if (device.kind() == DeviceKind::Timer && HasActiveTimer()) {
    messages.stop("Active timer device already exists");
    return false;
  }
  if (device.kind() == DeviceKind::Clock && HasActiveClock()) {
    messages.stop("Active clock device already exists");
    return false;
  }
  device.disabled = false;
  return true;
}

bool Configuration::IsDeviceDisabled(std::string_view name) {
  VelmorBusDevice* device = FindBusDevice(name);
  return device && device->disabled;
}

bool Configuration::NameExists(std::string_view name) { return FindDevice(name) != nullptr; }

std::size_t Configuration::DeviceCount() const {
  std::size_t count = 0;
  for (const DeviceList& devices : lists_) count += devices.size();
  return count;
}

std::string Configuration::UniqueName(std::string_view prefix) {
  // A, B, ... and the character codes after Z as far as "~"; then, so that a
  // hostile configuration cannot make this loop forever, numbered names, one
  // of which is free because there are fewer devices than numbers tried.
  for (char letter = 'A'; letter <= '~'; ++letter) {
    std::string name = std::string(prefix) + letter;
    if (!NameExists(name)) return name;
  }
  const std::size_t devices = DeviceCount();
  for (std::size_t i = 1; i <= devices + 1; ++i) {
    std::string name = std::string(prefix) + "A" + std::to_string(i);
    if (!NameExists(name)) return name;
  }
  return std::string(prefix) + "A0";
}

std::int32_t Configuration::NextVector(DeviceListId id, std::string_view type, std::string_view model) const {
  bool found = false;
  std::int32_t highest = 0;
  for (const auto& device : list(id))
    if (equalsIgnoreCase(device->type, type) && equalsIgnoreCase(device->model, model)) {
      highest = found ? std::max(highest, device->vector) : device->vector;
      found = true;
    }
  // Wraps like the 32-bit field it is stored in, instead of overflowing.
  return found ? static_cast<std::int32_t>(std::int64_t{highest} + 2) : 2;
}

std::int32_t Configuration::NextRegister(DeviceListId id, std::string_view type, std::string_view model) const {
  const VelmorBusDevice* holder = nullptr;
  for (const auto& device : list(id))
    if (equalsIgnoreCase(device->type, type) && equalsIgnoreCase(device->model, model))
      if (!holder || device->registerAddress > holder->registerAddress) holder = device.get();
  if (!holder || holder->registerAddress == 0) return 0;
  const ModelDescriptor* row = ModelTable::instance().findDescriptor(holder->className(), holder->type, holder->model);
  if (!row) return holder->registerAddress;
  return static_cast<std::int32_t>(std::int64_t{holder->registerAddress} + row->areaSize);
}

bool IsBootController(DeviceKind kind) {
  return kind == DeviceKind::Disk || kind == DeviceKind::Tape || kind == DeviceKind::Loader;
}

bool IsBootDevice(const VelmorBusDevice& device) {
  if (IsBootController(device.kind())) return static_cast<const VelmorUnitDevice&>(device).bootUnitNumber() >= 0;
  if (device.kind() == DeviceKind::ROM) return static_cast<const VelmorROMDevice&>(device).start;
  return false;
}

void Configuration::ClearOtherBootDevices(const VelmorBusDevice* device) {
  if (device && !IsBootDevice(*device)) return;
  for (DeviceList& devices : lists_)
    for (auto& other : devices)
      if (other.get() != device) clearBoot(*other);
}
