#include "check/conflict_checker.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <utility>

#include "config/configuration.h"
#include "devices/velmor_device.h"

namespace {

// The lists whose devices are checked, in the order their entries are made.
// Unlike the writer's order, Va1000 adapters come before bus bridges; binary
// loaders are never checked.
constexpr std::array<DeviceListId, 12> kCheckOrder = {
    DeviceListId::Disks,    DeviceListId::Tapes,   DeviceListId::Serials, DeviceListId::LinePrinters,
    DeviceListId::Networks, DeviceListId::Va1000s, DeviceListId::Bridges, DeviceListId::DRXXXs,
    DeviceListId::DCI1300s, DeviceListId::Timers,  DeviceListId::Clocks,  DeviceListId::ROMs};

bool shareVector(const std::vector<std::int32_t>& left, const std::vector<std::int32_t>& right) {
  for (std::int32_t p : left)
    for (std::int32_t q : right)
      if (p == q) return true;
  return false;
}

// The address of an area's last word: its base plus its size minus 2, in 64
// bits so that no register and size can overflow it.
std::int64_t lastWord(const CheckEntry& entry) { return std::int64_t{entry.registerAddress} + entry.areaSize - 2; }

// a <= b + t - 2 and b <= a + s - 2.
bool areasOverlap(const CheckEntry& left, const CheckEntry& right) {
  return left.registerAddress <= lastWord(right) && right.registerAddress <= lastWord(left);
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

std::string ConflictChecker::conflictText(std::string_view name) const { return conflictTextAt(position(name)); }

std::string ConflictChecker::conflictTextAt(std::size_t position) const {
  if (position >= entries_.size()) return {};
  const CheckEntry& entry = entries_[position];
  std::string text;
  for (const ConflictBlock& block : entry.conflicts) {
    text.append("Device ").append(entry.name).append(block.sharedVector ? " has conflict\r\n" : " has conflicts\r\n");
    text.append(" With device ").append(entries_[block.other].name).append("\r\n");
    if (block.sharedVector) text.append("      by the interrupt vectors\r\n");
    if (block.overlap) text.append("      by the register area\r\n");
  }
  return text;
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
    entry.conflicts.clear();
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

void ConflictChecker::collectProbes() {
  Probes& p = probes_;
  p.entry.clear();
  p.first.clear();
  p.last.clear();
  for (auto& column : p.vectors) column.clear();
  p.hasVectors.clear();
  p.wide.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const CheckEntry& entry = entries_[i];
    if (entry.disabled) continue;
    p.entry.push_back(i);
    p.first.push_back(entry.registerAddress);
    p.last.push_back(static_cast<std::int32_t>(
        std::clamp<std::int64_t>(lastWord(entry), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max())));
    const std::vector<std::int32_t>& vectors = entry.vectors;
    for (std::size_t k = 0; k < kInlineVectors; ++k)
      p.vectors[k].push_back(vectors.empty() ? 0 : vectors[std::min(k, vectors.size() - 1)]);
    p.hasVectors.push_back(vectors.empty() ? 0 : 1);
    p.wide.push_back(vectors.size() > kInlineVectors ? 1 : 0);
  }
}

// Every pair of enabled entries, each pair once, in list order, so that a
// device's report lists the others in their list order.
void ConflictChecker::pairPass() {
  collectProbes();
  const std::size_t count = probes_.entry.size();
  const std::int32_t* first = probes_.first.data();
  const std::int32_t* last = probes_.last.data();
  const std::int32_t* v0 = probes_.vectors[0].data();
  const std::int32_t* v1 = probes_.vectors[1].data();
  const std::int32_t* v2 = probes_.vectors[2].data();
  const std::int32_t* hasVectors = probes_.hasVectors.data();
  const std::int32_t* wide = probes_.wide.data();
  candidates_.resize(count);
  std::int32_t* candidate = candidates_.data();
  for (std::size_t l = 0; l < count; ++l) {
    const std::int32_t lFirst = first[l], lLast = last[l], a = v0[l], b = v1[l], c = v2[l];
    const std::int32_t lHas = hasVectors[l], lWide = wide[l];
    // Branch-free, so that it runs over several pairs at a time.
    std::int32_t any = 0;
    for (std::size_t n = l + 1; n < count; ++n) {
      const std::int32_t overlap = (lFirst <= last[n]) & (first[n] <= lLast);
      const std::int32_t shared = (v0[n] == a) | (v0[n] == b) | (v0[n] == c) | (v1[n] == a) | (v1[n] == b) |
                                  (v1[n] == c) | (v2[n] == a) | (v2[n] == b) | (v2[n] == c);
      candidate[n] = overlap | (shared & lHas & hasVectors[n]) | lWide | wide[n];
      any |= candidate[n];
    }
    if (!any) continue;
    for (std::size_t n = l + 1; n < count; ++n)
      if (candidate[n]) comparePair(probes_.entry[l], probes_.entry[n]);
  }
}

void ConflictChecker::comparePair(std::size_t l, std::size_t n) {
  const bool sharedVector = shareVector(entries_[l].vectors, entries_[n].vectors);
  const bool overlap = areasOverlap(entries_[l], entries_[n]);
  if (!sharedVector && !overlap) return;
  addBlock(l, n, sharedVector, overlap);
  addBlock(n, l, sharedVector, overlap);
}

// One block of a report: what `self` collides with in `other`.
void ConflictChecker::addBlock(std::size_t self, std::size_t other, bool sharedVector, bool overlap) {
  CheckEntry& entry = entries_[self];
  entry.hasConflict = true;
  if (entry.conflicts.size() < kMaxReportedDevices)
    entry.conflicts.push_back({static_cast<std::uint32_t>(other), sharedVector, overlap});
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
