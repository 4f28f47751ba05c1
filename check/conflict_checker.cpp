#include "check/conflict_checker.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "config/configuration.h"
#include "devices/velmor_device.h"

namespace {

// The lists whose devices are checked, in the order their entries are made.
// Unlike the writer's order, Va1000 adapters come before bus bridges; binary
// loaders are never checked.
constexpr std::array<DeviceListId, 12> kCheckOrder = {
    DeviceListId::Disks,   DeviceListId::Tapes,    DeviceListId::Serials,  DeviceListId::LinePrinters,
    DeviceListId::Networks, DeviceListId::Va1000s, DeviceListId::Bridges,  DeviceListId::DRXXXs,
    DeviceListId::DCI1300s, DeviceListId::Timers,  DeviceListId::Clocks,   DeviceListId::ROMs};

// One block of a conflict report: what `self` collides with in `other`.
void appendBlock(std::string& text, const std::string& self, const std::string& other, bool sharedVector,
                 bool overlap) {
  text.append("Device ").append(self).append(sharedVector ? " has conflict\r\n" : " has conflicts\r\n");
  text.append(" With device ").append(other).append("\r\n");
  if (sharedVector) text.append("      by the interrupt vectors\r\n");
  if (overlap) text.append("      by the register area\r\n");
}

}  // namespace

void ConflictChecker::build(const Configuration& configuration) {
  entries_.clear();
  systemBus_ = configuration.system.bus;
  for (DeviceListId id : kCheckOrder)
    for (const auto& device : configuration.list(id))
      if (auto entry = makeCheckEntry(*device, true)) entries_.push_back(std::move(*entry));
  recompute();
}

void ConflictChecker::addDevice(const VelmorBusDevice& device) {
  if (auto entry = makeCheckEntry(device, false)) entries_.push_back(std::move(*entry));
  recompute();
}

void ConflictChecker::addEntry(CheckEntry entry) {
  entries_.push_back(std::move(entry));
  recompute();
}

void ConflictChecker::remove(std::string_view name) {
  const std::size_t pos = position(name);
  if (pos < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
  recompute();
}

void ConflictChecker::setDisabled(std::string_view name, bool disabled) {
  const std::size_t pos = position(name);
  if (pos < entries_.size()) entries_[pos].disabled = disabled;
  recompute();
}

void ConflictChecker::setSystemBus(std::uint16_t bus) {
  systemBus_ = bus;
  recompute();
}

bool ConflictChecker::hasConflict(std::string_view name) const {
  const CheckEntry* entry = find(name);
  return entry && entry->hasConflict;
}

std::string ConflictChecker::conflictText(std::string_view name) const {
  const CheckEntry* entry = find(name);
  return entry ? entry->conflictText : std::string();
}

bool ConflictChecker::hasBusError(std::string_view name) const {
  const CheckEntry* entry = find(name);
  return entry && entry->hasBusError;
}

std::string ConflictChecker::busText(std::string_view name) const {
  const CheckEntry* entry = find(name);
  return entry ? entry->busText : std::string();
}

void ConflictChecker::recompute() {
  for (CheckEntry& entry : entries_) {
    entry.hasConflict = false;
    entry.conflictText.clear();
    entry.hasBusError = false;
    entry.busText.clear();
  }
  busPass();
  pairPass();
  indexNames();
}

// Disabled devices too: a device that cannot sit on the system's bus is worth
// a warning whether or not it is enabled.
void ConflictChecker::busPass() {
  for (CheckEntry& entry : entries_) {
    const char* busName = nullptr;
    if (entry.bus == BusQbus && systemBus_ == BusUnibus)
      busName = "UNIBUS";
    else if (entry.bus == BusUnibus && systemBus_ == BusQbus)
      busName = "QBUS";
    if (!busName) continue;
    entry.hasBusError = true;
    entry.busText.append("Device ").append(entry.name).append(" can not be attached to the ").append(busName);
    entry.busText.append("\r\n\r\n");
  }
}

// Every pair of enabled entries, each pair once, in list order; a device's
// report thus lists the others in their list order. Addresses are widened to
// 64 bits so that base + size - 2 is exact for any pair of 32-bit values.
void ConflictChecker::pairPass() {
  probes_.clear();
  probeVectors_.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const CheckEntry& entry = entries_[i];
    if (entry.disabled) continue;
    Probe probe{};
    probe.first = entry.registerAddress;
    probe.last = std::int64_t{entry.registerAddress} + entry.areaSize - 2;
    probe.vectorBegin = static_cast<std::uint32_t>(probeVectors_.size());
    probeVectors_.insert(probeVectors_.end(), entry.vectors.begin(), entry.vectors.end());
    probe.vectorEnd = static_cast<std::uint32_t>(probeVectors_.size());
    probe.entry = i;
    probes_.push_back(probe);
  }

  for (std::size_t l = 0; l < probes_.size(); ++l) {
    const Probe& left = probes_[l];
    for (std::size_t n = l + 1; n < probes_.size(); ++n) {
      const Probe& right = probes_[n];
      const bool sharedVector = shareVector(left, right);
      const bool overlap = left.first <= right.last && right.first <= left.last;
      if (sharedVector || overlap) reportPair(entries_[left.entry], entries_[right.entry], sharedVector, overlap);
    }
  }
}

bool ConflictChecker::shareVector(const Probe& left, const Probe& right) const {
  const std::int32_t* vectors = probeVectors_.data();
  for (std::uint32_t p = left.vectorBegin; p < left.vectorEnd; ++p)
    for (std::uint32_t q = right.vectorBegin; q < right.vectorEnd; ++q)
      if (vectors[p] == vectors[q]) return true;
  return false;
}

void ConflictChecker::reportPair(CheckEntry& left, CheckEntry& right, bool sharedVector, bool overlap) {
  appendBlock(left.conflictText, left.name, right.name, sharedVector, overlap);
  appendBlock(right.conflictText, right.name, left.name, sharedVector, overlap);
  left.hasConflict = true;
  right.hasConflict = true;
}

// Lookups by name happen once per device on every tree rebuild; a sorted
// index keeps them logarithmic. Ties keep list order, so the first entry of a
// repeated name is found first.
void ConflictChecker::indexNames() {
  byName_.resize(entries_.size());
  std::iota(byName_.begin(), byName_.end(), std::size_t{0});
  std::sort(byName_.begin(), byName_.end(), [this](std::size_t a, std::size_t b) {
    const int order = entries_[a].name.compare(entries_[b].name);
    return order != 0 ? order < 0 : a < b;
  });
}

std::size_t ConflictChecker::position(std::string_view name) const {
  auto it = std::lower_bound(byName_.begin(), byName_.end(), name, [this](std::size_t pos, std::string_view key) {
    return std::string_view(entries_[pos].name) < key;
  });
  return it != byName_.end() && entries_[*it].name == name ? *it : entries_.size();
}

const CheckEntry* ConflictChecker::find(std::string_view name) const {
  const std::size_t pos = position(name);
  return pos < entries_.size() ? &entries_[pos] : nullptr;
}
