#include "config/document.h"

#include <string_view>
#include <utility>
#include <vector>

#include "config/user_messages.h"
#include "devices/device_registry.h"
#include "devices/model_tables.h"

namespace {

const char* classOf(AddKind kind, const std::string& typeWord) {
  switch (kind) {
    case AddKind::Disk: return "VelmorDiskDevice";
    case AddKind::Tape: return "VelmorTapeDevice";
    case AddKind::Serial: return "VelmorSerialDevice";
    case AddKind::Network: return "VelmorNetworkDevice";
    case AddKind::Va1000: return "VelmorVa1000Device";
    case AddKind::Bridge: return "VelmorBridgeDevice";
    case AddKind::Parallel: return typeWord == "DRXXX" ? "VelmorDRXXXDevice" : "VelmorDCI1300Device";
    case AddKind::TimerOrClock: return typeWord == "TOY" ? "VelmorClockDevice" : "VelmorTimerDevice";
    case AddKind::Loader: return "VelmorLoaderDevice";
    case AddKind::ROM: return "VelmorROMDevice";
  }
  return "";
}

}  // namespace

std::string CVelmorCfgEditorDoc::AddDevice(AddKind kind, const std::string& typeWord) {
  const LoadableKind* loadable = findLoadableKind(classOf(kind, typeWord));
  if (!loadable) return {};
  if (loadable->kind == DeviceKind::Timer && config_.HasActiveTimer()) {
    messages_.stop("Active timer device already exists.");
    return {};
  }
  if (loadable->kind == DeviceKind::Clock && config_.HasActiveClock()) {
    messages_.stop("Active clock device already exists.");
    return {};
  }
  const std::string name =
      config_.UniqueName(ModelTable::instance().prefixOf(loadable->className, typeWord, ""));
  std::unique_ptr<VelmorBusDevice> created = createDevice(*loadable, typeWord, name);
  const DeviceListId list = Configuration::listFor(*created);
  VelmorBusDevice& device = config_.append(std::move(created));
  if (config_.list(list).size() > 1 && device.kind() != DeviceKind::Loader) {
    // Computed with the new device, at its defaults, already in the list.
    const std::int32_t vector = config_.NextVector(list, device.type, device.model);
    const std::int32_t reg = config_.NextRegister(list, device.type, device.model);
    device.vector = vector;
    device.registerAddress = reg;
  }
  if (device.kind() != DeviceKind::Loader) checker_.addDevice(device);
  modified_ = true;
  if (sheets_ && !sheets_->openPropertySheet(name)) {
    RemoveDevice(name);
    return {};
  }
  return name;
}

bool CVelmorCfgEditorDoc::checkerCannotTell(const std::string& name) const {
  return config_.CountNamed(name) > 1;
}

void CVelmorCfgEditorDoc::RemoveDevice(const std::string& name) {
  if (VelmorBusDevice* device = config_.FindBusDevice(name))
    RemoveDevice(*device);
  else
    modified_ = true;
}

void CVelmorCfgEditorDoc::RemoveDevice(VelmorBusDevice& device) {
  const bool shared = checkerCannotTell(device.name);
  if (device.kind() != DeviceKind::Loader && !shared) checker_.remove(device.name);
  config_.DeleteDevice(device);
  if (shared) rebuildChecker();
  modified_ = true;
}

namespace {

const char* const kParallelOnlyUnderWinNt =
    "Parallel interfaces like DRXXX, DRV11 & DR11-C are only available under WINNT";

bool isParallel(const VelmorBusDevice& device) {
  return device.kind() == DeviceKind::DRXXX || device.kind() == DeviceKind::DCI1300;
}

}  // namespace

bool CVelmorCfgEditorDoc::Enable(const std::string& name) {
  VelmorBusDevice* device = config_.FindBusDevice(name);
  return device && Enable(*device);
}

bool CVelmorCfgEditorDoc::Enable(VelmorBusDevice& device) {
  if (isParallel(device) && config_.targetOs != kDefaultTargetOs) {
    messages_.stop(kParallelOnlyUnderWinNt);
    return false;
  }
  const bool enabled = config_.EnableDevice(device, messages_);
  // The checker follows the device's real state, also when enabling was refused.
  followDisabledFlag(device);
  modified_ = true;
  return enabled;
}

void CVelmorCfgEditorDoc::Disable(const std::string& name) {
  if (VelmorBusDevice* device = config_.FindBusDevice(name)) Disable(*device);
}

void CVelmorCfgEditorDoc::Disable(VelmorBusDevice& device) {
  if (device.disabled) return;
  config_.DisableDevice(device);
  followDisabledFlag(device);
  modified_ = true;
}

void CVelmorCfgEditorDoc::followDisabledFlag(const VelmorBusDevice& device) {
  if (checkerCannotTell(device.name))
    rebuildChecker();
  else if (device.kind() != DeviceKind::Loader)
    checker_.setDisabled(device.name, device.disabled);
}

bool CVelmorCfgEditorDoc::SetGroupEnabled(DeviceGroup group, bool enable) {
  const std::vector<DeviceListId> lists = listsOfGroup(group);
  bool any = false;
  for (DeviceListId id : lists) any = any || !config_.list(id).empty();
  if (!any) return false;
  bool parallelRefused = false;
  std::vector<std::pair<std::string_view, bool>> checked;  // told to the checker at once
  for (DeviceListId id : lists)
    for (auto& device : config_.list(id)) {
      bool disabled = !enable;
      if (enable && device->kind() == DeviceKind::Timer && config_.HasActiveTimer()) disabled = device->disabled;
      if (enable && device->kind() == DeviceKind::Clock && config_.HasActiveClock()) disabled = device->disabled;
      // The same rule as enabling one parallel interface.
      if (enable && isParallel(*device) && config_.targetOs != kDefaultTargetOs && device->disabled) {
        disabled = true;
        parallelRefused = true;
      }
      device->disabled = disabled;
      if (device->kind() != DeviceKind::Loader) checked.emplace_back(device->name, disabled);
    }
  checker_.setDisabled(checked);
  // One look at all names, not one per device: a group may hold thousands.
  if (config_.HasSharedName()) rebuildChecker();
  if (parallelRefused) messages_.stop(kParallelOnlyUnderWinNt);
  // The devices changed: closing must ask to save them.
  modified_ = true;
  return true;
}
