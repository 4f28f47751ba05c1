#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

#include "config/configuration.h"
#include "devices/text_utils.h"

// Finds devices by name as FindDevice does, without a linear search per
// statement. The first device added under a name keeps it: the reader adds
// the configuration's devices in FindDevice's list order, and refuses to load
// a second device of a name. Keys view the names of devices in the
// configuration's lists, which stay put for the whole read (reading never
// removes or renames a device). Open addressing in one array: no heap block
// per device, and each slot keeps its hash, so growing never hashes a name
// again.
class DeviceNameIndex {
 public:
  static constexpr std::size_t kNoLine = std::numeric_limits<std::size_t>::max();
  struct Entry {
    VelmorBusDevice* device;
    std::size_t lastUnitLine = kNoLine;  // the reader's chain of this device's unit lines
  };

  // Keeps the entry already there when the name is taken.
  void add(VelmorBusDevice& device) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    const std::size_t hash = CaseBlindHash()(device.name);
    Slot& slot = slotFor(device.name, hash);
    if (slot.entry.device) return;
    slot = Slot{hash, device.name, Entry{&device}};
    ++used_;
  }
  template <class Visit>
  void forEachEntry(Visit visit) {
    for (Slot& slot : slots_)
      if (slot.entry.device) visit(slot.entry);
  }
  bool contains(std::string_view name) { return findSlot(name) != nullptr; }
  // The system entry for "cpu" and "mmu"; otherwise the device and its entry.
  VelmorDevice* find(Configuration& config, std::string_view name, Entry** entry = nullptr) {
    if (equalsIgnoreCase(name, "cpu") || equalsIgnoreCase(name, "mmu")) return &config.system;
    Slot* slot = findSlot(name);
    if (!slot) return nullptr;
    if (entry) *entry = &slot->entry;
    return slot->entry.device;
  }

 private:
  struct Slot {
    std::size_t hash = 0;
    std::string_view key;
    Entry entry{nullptr};  // no device in an empty slot
  };
  // The slot holding `name`, or the empty slot where it belongs.
  Slot& slotFor(std::string_view name, std::size_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (!slot.entry.device || (slot.hash == hash && equalsIgnoreCase(slot.key, name))) return slot;
    }
  }
  Slot* findSlot(std::string_view name) {
    if (used_ == 0) return nullptr;
    Slot& slot = slotFor(name, CaseBlindHash()(name));
    return slot.entry.device ? &slot : nullptr;
  }
  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max<std::size_t>(64, old.size() * 2), Slot{});
    for (Slot& slot : old)
      if (slot.entry.device) slotFor(slot.key, slot.hash) = slot;
  }
  std::vector<Slot> slots_;  // a power of two long, at most half used
  std::size_t used_ = 0;
};
