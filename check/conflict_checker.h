#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check/check_entry.h"
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
  // The system entry's bus changed (a new CPU model).
  void setSystemBus(std::uint16_t bus);

  bool hasConflict(std::string_view name) const;
  std::string conflictText(std::string_view name) const;
  bool hasBusError(std::string_view name) const;
  std::string busText(std::string_view name) const;

  std::uint16_t systemBus() const { return systemBus_; }
  const std::vector<CheckEntry>& entries() const { return entries_; }

 private:
  // What the pair pass compares of one enabled entry, laid out flat so that
  // the quadratic loop touches no strings and allocates nothing.
  struct Probe {
    std::int64_t first;  // register address
    std::int64_t last;   // address of the area's last word
    std::uint32_t vectorBegin;
    std::uint32_t vectorEnd;
    std::size_t entry;
  };

  void recompute();
  void busPass();
  void pairPass();
  void reportPair(CheckEntry& left, CheckEntry& right, bool sharedVector, bool overlap);
  bool shareVector(const Probe& left, const Probe& right) const;
  void indexNames();
  // Position of the first entry of that name; entries_.size() when none.
  std::size_t position(std::string_view name) const;
  const CheckEntry* find(std::string_view name) const;

  std::uint16_t systemBus_;
  std::vector<CheckEntry> entries_;
  // Kept between recomputes so that their storage is reused.
  std::vector<Probe> probes_;
  std::vector<std::int32_t> probeVectors_;
  std::vector<std::size_t> byName_;  // entry positions ordered by name, then position
};
