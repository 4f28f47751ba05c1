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

// a <= b + t - 2 and b <= a + s - 2.
bool areasOverlap(const CheckEntry& left, const CheckEntry& right) {
  return left.registerAddress <= lastWordOf(right) && right.registerAddress <= lastWordOf(left);
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
  const std::pair<std::string_view, bool> change{name, disabled};
  setDisabled(std::span(&change, 1));
}

void ConflictChecker::setDisabled(std::span<const std::pair<std::string_view, bool>> changes) {
  for (const auto& [name, disabled] : changes)
    if (const std::size_t pos = position(name); pos < entries_.size()) entries_[pos].disabled = disabled;
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

// Made when asked, by comparing the entry with every other enabled one in list
// order: the flags alone are kept, so that a script of long names at one
// address does not fill memory with copies of them.
std::string ConflictChecker::conflictTextAt(std::size_t position) const {
  if (position >= entries_.size() || !entries_[position].hasConflict) return {};
  const CheckEntry& entry = entries_[position];
  std::vector<ReportBlock> blocks;
  for (std::size_t other = 0; other < entries_.size() && blocks.size() < kMaxReportedDevices; ++other) {
    const CheckEntry& partner = entries_[other];
    if (other == position || partner.disabled) continue;
    const ReportBlock block{static_cast<std::uint32_t>(other), shareVector(entry.vectors, partner.vectors),
                            areasOverlap(entry, partner)};
    if (block.sharedVector || block.overlap) blocks.push_back(block);
  }
  return reportText(position, blocks);
}

void ConflictChecker::forEachConflictText(
    const std::function<void(std::size_t position, const std::string& text)>& visit) const {
  forEachReport(entries_, kMaxReportedDevices, [&](std::size_t position, const std::vector<ReportBlock>& blocks) {
    visit(position, reportText(position, blocks));
  });
}

std::string ConflictChecker::reportText(std::size_t position, const std::vector<ReportBlock>& blocks) const {
  const std::string& name = entries_[position].name;
  std::string text;
  for (const ReportBlock& block : blocks) {
    text.append("Device ").append(name).append(block.sharedVector ? " has conflict\r\n" : " has conflicts\r\n");
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
    entry.hasBusError = false;
    entry.busText.clear();
  }
  busPass();
  flagSharedVectors();
  flagOverlappingAreas();
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

// A vector held by two entries or more marks them all.
void ConflictChecker::flagSharedVectors() {
  const VectorHolders holders = sortedVectorHolders(entries_);
  forEachSharedRun(holders, [&](std::size_t run, std::size_t end) {
    for (std::size_t k = run; k < end; ++k) entries_[holders[k].second].hasConflict = true;
  });
}

// Entry l overlaps entry n when n's register address is at most l's last word
// and n's last word at least l's register address. With the enabled entries
// sorted by register address, those of the first condition are a prefix; the
// largest last word in it (the second largest when that is l's own) decides.
void ConflictChecker::flagOverlappingAreas() {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (!entries_[i].disabled) order.push_back(i);
  std::sort(order.begin(), order.end(),
            [this](std::size_t a, std::size_t b) { return entries_[a].registerAddress < entries_[b].registerAddress; });
  struct Top {
    std::int64_t last;
    std::size_t entry;
  };
  constexpr Top kNone{std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::size_t>::max()};
  std::vector<std::pair<Top, Top>> best(order.size());  // the two largest last words of each prefix
  std::pair<Top, Top> sofar{kNone, kNone};
  for (std::size_t k = 0; k < order.size(); ++k) {
    const Top here{lastWordOf(entries_[order[k]]), order[k]};
    if (here.last > sofar.first.last)
      sofar = {here, sofar.first};
    else if (here.last > sofar.second.last)
      sofar.second = here;
    best[k] = sofar;
  }
  for (std::size_t l : order) {
    CheckEntry& entry = entries_[l];
    const std::int64_t last = lastWordOf(entry);
    const auto prefixEnd = std::upper_bound(order.begin(), order.end(), last,
                                            [this](std::int64_t value, std::size_t i) {
                                              return value < entries_[i].registerAddress;
                                            });
    if (prefixEnd == order.begin()) continue;
    const std::pair<Top, Top>& top = best[static_cast<std::size_t>(prefixEnd - order.begin()) - 1];
    const Top& other = top.first.entry == l ? top.second : top.first;
    if (other.entry != kNone.entry && other.last >= entry.registerAddress) entry.hasConflict = true;
  }
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
