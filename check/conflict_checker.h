#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/check_entry.h"
#include "check/conflict_reports.h"
#include "devices/device_kind.h"

class Configuration;
class VelmorBusDevice;

// Keeps one entry per device and, after every change, finds which enabled
// devices collide (a shared interrupt vector or overlapping register areas)
// and which devices do not fit the system's bus. It never changes a device.
// Names are compared exactly; where a name occurs twice the first entry
// answers.
class ConflictChecker {
 public:
  // An empty checker; with the system bus unknown (BusNone) no device has a
  // bus error.
  explicit ConflictChecker(std::uint16_t systemBus = BusNone) : systemBus_(systemBus) {}

  // A device's report names at most this many others (its flag still counts
  // them all): thousands of devices at one address would otherwise make
  // reports that grow with the square of the script.
  static constexpr std::size_t kMaxReportedDevices = 64;

  // Forgets every entry, takes the system entry's bus and enters every device
  // of the configuration (binary loaders excepted).
  void build(const Configuration& configuration);
  // Appends the entry of a device added singly (a binary loader adds none).
  void addDevice(const VelmorBusDevice& device);
  // Appends an entry as given; its findings are recomputed.
  void addEntry(CheckEntry entry);
  // Removes the first entry of that name; an unknown name removes nothing.
  void remove(std::string_view name);
  void setDisabled(std::string_view name, bool disabled);
  // Several at once, with one recompute: a whole group enabled or disabled.
  void setDisabled(std::span<const std::pair<std::string_view, bool>> changes);
  // The system entry's bus changed (a new CPU model).
  void setSystemBus(std::uint16_t bus);

  bool hasConflict(std::string_view name) const;
  std::string conflictText(std::string_view name) const;
  // The conflict text of the entry at that position of entries().
  std::string conflictTextAt(std::size_t position) const;
  // Every entry's conflict text in the order of entries(), for a report of the
  // whole configuration: found together, which costs far less than asking
  // conflictTextAt for each entry of a long list.
  void forEachConflictText(const std::function<void(std::size_t position, const std::string& text)>& visit) const;
  bool hasBusError(std::string_view name) const;
  std::string busText(std::string_view name) const;

  std::uint16_t systemBus() const { return systemBus_; }
  const std::vector<CheckEntry>& entries() const { return entries_; }

 private:
  void recompute();
  void busPass();
  // Sets hasConflict on every enabled entry that collides with another; each
  // in about n log n steps, so that a script of many thousand devices (a
  // damaged one, say) does not hold the editor up after every change.
  void flagSharedVectors();
  void flagOverlappingAreas();
  // The report of the entry at `position`, from its blocks.
  std::string reportText(std::size_t position, const std::vector<ReportBlock>& blocks) const;
  void indexNames();
  // Position of the first entry of that name; entries_.size() when none.
  std::size_t position(std::string_view name) const;
  const CheckEntry* find(std::string_view name) const;

  std::uint16_t systemBus_;
  std::vector<CheckEntry> entries_;
  std::vector<std::size_t> byName_;  // entry positions ordered by name, then position
};
